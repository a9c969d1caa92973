#include "ui/table/TableSheetWindow.h"

#include "ui/table/TableTexts.h"

namespace pipwright {

namespace {

// A table's sheet, its entries written in the table's words.
class TableSheetSource : public SheetSource {
public:
    explicit TableSheetSource(std::function<const session::TableSheet&()> sheet)
        : sheet_(std::move(sheet)) {}

    std::pair<const void*, int> edition() const override {
        const session::TableSheet& sheet = sheet_();
        return {&sheet, sheet.fresh()};
    }
    std::size_t size() const override { return sheet_().entries().size(); }
    std::vector<SheetLine> lines(std::size_t entry) const override {
        const session::TableSheet& sheet = sheet_();
        return tabletext::sheetLines(sheet.rules(), sheet.entries()[entry]);
    }

private:
    std::function<const session::TableSheet&()> sheet_;
};

} // namespace

ScoreSheetWindow& showTableSheet(QWidget& owner,
                                 std::function<const session::TableSheet&()> sheet) {
    return showScoreSheet(owner, [&] {
        return new ScoreSheetWindow(std::make_unique<TableSheetSource>(std::move(sheet)),
                                    tabletext::sheetDescription(), &owner);
    });
}

ScoreSheetWindow* tableSheetOf(QWidget& owner) {
    return owner.findChild<ScoreSheetWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace pipwright
