#pragma once

#include <QDialog>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QListWidget;

namespace pipwright {

class Engine;

// One line of a score sheet as the window writes it; headings, totals and the
// winner stand out.
struct SheetLine {
    QString text;
    bool bold = false;
};

// What a score sheet window reads: the entries noted so far, each written as
// lines, and which sheet it is with how often it has started afresh.
class SheetSource {
public:
    virtual ~SheetSource() = default;
    virtual std::pair<const void*, int> edition() const = 0;
    virtual std::size_t size() const = 0;
    virtual std::vector<SheetLine> lines(std::size_t entry) const = 0;
};

// The score sheet beside the game: one plain line per count that scored and
// per round's or hand's end, as they were noted. It does not block play and
// follows the game as it goes.
class ScoreSheetWindow : public QDialog {
    Q_OBJECT
public:
    // The classic game's sheet, told of each change by the engine.
    ScoreSheetWindow(Engine& engine, QWidget* mainWindow);
    // Any other sheet; its owner calls follow() when the sheet may have changed.
    ScoreSheetWindow(std::unique_ptr<SheetSource> source, const QString& description,
                     QWidget* owner);
    ~ScoreSheetWindow() override;

    QListWidget& lines() const { return *lines_; }
    // Writes the entries noted since the last call; all of them when the
    // sheet has started afresh.
    void follow();

private:
    void build(const QString& description);

    std::unique_ptr<SheetSource> source_;
    QListWidget* lines_ = nullptr;
    std::pair<const void*, int> edition_{nullptr, -1};
    std::size_t shown_ = 0;
};

// Shows the owner's score sheet, made by make the first time, beside the owner
// and with the keyboard.
ScoreSheetWindow& showScoreSheet(QWidget& owner, const std::function<ScoreSheetWindow*()>& make);
// Shows the main window's score sheet.
ScoreSheetWindow& showScoreSheet(Engine& engine, QWidget& mainWindow);

} // namespace pipwright
