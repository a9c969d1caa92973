#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pipwright {

// A text the player sees, kept as its English source and its arguments until a
// window shows it. The source is translated whole, in its context, and %1 to
// %9 in it stand for the arguments: names, numbers, pips, or other texts.
//
// Text(context, source) takes string literals only: lupdate reads every such
// construction as a text to translate.
class Text {
public:
    Text() = default;
    Text(const char* context, const char* source) : context_(context), source_(source) {}

    // Shown as it stands in every language: a name, a number, pips.
    static Text verbatim(std::string text);

    Text& arg(Text text);
    Text& arg(std::string text) { return arg(verbatim(std::move(text))); }
    Text& arg(const char* text) { return arg(verbatim(text)); }
    template <std::integral Number> Text& arg(Number number) {
        return arg(verbatim(std::to_string(number)));
    }

    // Null for a verbatim text.
    const char* context() const { return context_; }
    const char* source() const { return source_; }
    const std::string& verbatimText() const { return verbatim_; }
    const std::vector<Text>& args() const { return args_; }
    bool empty() const { return source_ == nullptr && verbatim_.empty(); }

    // The text in English, exactly as the source has it.
    std::string english() const;

private:
    const char* context_ = nullptr;
    const char* source_ = nullptr;
    std::string verbatim_;
    std::vector<Text> args_;
};

// Replaces %1 to %9 in format with the matching filled argument, in one pass,
// so an argument that itself holds "%2" stays as it is. A % not followed by a
// digit naming an argument is kept.
std::string fillIn(std::string_view format, const std::vector<std::string>& filled);

} // namespace pipwright
