#include "rules/Domino.h"

namespace pipwright::rules {

namespace {

struct Suits {
    std::array<DominoSet, NoEnd + 1> byValue{};
    Suits() {
        for (int i = 0; i < DominoCount; ++i) {
            const Domino d = Domino::at(i);
            byValue[d.low].insert(d);
            byValue[d.high].insert(d);
        }
    }
};

const Suits& suits() {
    static const Suits all;
    return all;
}

} // namespace

std::string toText(Domino domino) {
    return std::string{static_cast<char>('0' + domino.low), '-',
                       static_cast<char>('0' + domino.high)};
}

DominoSet DominoSet::touching(int value) {
    if (value < 0 || value > NoEnd)
        return {};
    return suits().byValue[value];
}

int DominoSet::pips() const {
    int total = 0;
    for (const Domino d : *this)
        total += d.pips();
    return total;
}

} // namespace pipwright::rules
