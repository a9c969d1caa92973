// Play by keyboard, and what a screen reader is told of the pictures. Every
// key acts through the same press and click that the mouse gives the engine.

#include "computer/Hint.h"
#include "game/Geometry.h"
#include "ui/GameTable.h"
#include "ui/PictureArea.h"
#include "ui/PictureTexts.h"
#include "ui/TableAccessible.h"
#include "ui/frmDominos.h"

#include <QAction>
#include <QPushButton>

namespace pipwright {

namespace {

bool present(const GameState& s, int slot) {
    return slot >= 1 && slot <= s.Playerdom && s.PlayerArray(slot, 1) != NoHalf;
}

} // namespace

void frmDominos::createKeyActions() {
    auto add = [this](GameKey key, const char* name, const QList<QKeySequence>& keys,
                      const std::function<void()>& act) {
        auto* action = new QAction(QString::fromLatin1(name), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, act] {
            act();
            keysUsed_ = true;
            showHighlight();
        });
        keys_[static_cast<std::size_t>(key)] = action;
    };
    add(GameKey::Previous, "keyPrevious", {QKeySequence::MoveToPreviousChar},
        [this] { moveHighlight(-1); });
    add(GameKey::Next, "keyNext", {QKeySequence::MoveToNextChar}, [this] { moveHighlight(1); });
    add(GameKey::Clear, "keyClear", {QKeySequence::Cancel}, [this] { highlighted_ = 0; });
    add(GameKey::Select, "keySelect", {Qt::Key_Return, Qt::Key_Enter}, [this] {
        const GameState& s = engine_.state();
        if (present(s, highlighted_))
            clickAt(Picture::Players, handSlotLeft(highlighted_) + HalfSize / 2,
                    s.PlayerHandTop + HalfSize);
    });
    for (const End end : {End::Left, End::Right})
        add(end == End::Left ? GameKey::LayLeft : GameKey::LayRight,
            end == End::Left ? "keyLayLeft" : "keyLayRight",
            {end == End::Left ? Qt::Key_L : Qt::Key_R}, [this, end] {
                engine_.laySelectedOn(end);
                updateActions();
            });
    add(GameKey::Draw, "keyDraw", {Qt::Key_B}, [this] {
        // Any face-down square will do: the shuffle hid what lies where.
        if (!engine_.flowRunning())
            if (const int slot = engine_.state().firstFaceDownSlot()) {
                const Rect square = boneYardSquare(slot, engine_.state().BoneYardTop);
                clickAt(Picture::BoneYard, (square.left + square.right) / 2,
                        (square.top + square.bottom) / 2);
            }
    });
    add(GameKey::CantPlay, "keyCantPlay", {Qt::Key_C},
        [this] { table_->ComPlayerCantPlay->click(); });
    // H is the game's at every phase, so it never falls through to a menu.
    add(GameKey::Hint, "keyHint", {Qt::Key_H}, [this] { hint(); });
    for (int n = 1; n <= 9; ++n)
        add(static_cast<GameKey>(static_cast<int>(GameKey::Jump1) + n - 1),
            QStringLiteral("keyJump%1").arg(n).toLatin1().constData(),
            {QKeySequence(Qt::Key_0 + n)}, [this, n] { highlightNth(n); });
}

// The one place that sets what the player may use: the menu entries as the
// game last asked, the hint in the player's turn, and each key in the phases
// where it can act.
void frmDominos::updateActions() {
    for (std::size_t menu = 0; menu < menusWanted_.size(); ++menu)
        if (menu != static_cast<std::size_t>(Menu::Hint))
            menus_[static_cast<Menu>(menu)]->setEnabled(menusWanted_[menu]);
    menus_[Menu::Hint]->setEnabled(hintAvailable(engine_));

    const GameState& s = engine_.state();
    bool holding = false;
    for (int slot = 1; slot <= s.Playerdom && !holding; ++slot)
        holding = present(s, slot);
    const Integer phase = s.GameStatus;
    const bool turn = phase == Phase::PlayersTurn;
    const bool drawing = phase == Phase::DrawForFirstPlay || phase == Phase::DrawingSeven;
    auto enable = [this](GameKey key, bool on) {
        keys_[static_cast<std::size_t>(key)]->setEnabled(on);
    };
    for (GameKey key : {GameKey::Previous, GameKey::Next, GameKey::Clear})
        enable(key, holding);
    for (int n = 0; n < 9; ++n)
        enable(static_cast<GameKey>(static_cast<int>(GameKey::Jump1) + n), holding);
    enable(GameKey::Select, holding && (turn || phase == Phase::SetDomino));
    enable(GameKey::LayLeft, turn);
    enable(GameKey::LayRight, turn);
    enable(GameKey::Draw, (drawing || turn) && s.faceDownCount() > 0);
    enable(GameKey::CantPlay, turn);
}

void frmDominos::hint() {
    if (!hintAvailable(engine_)) {
        const Integer phase = engine_.state().GameStatus;
        const bool drawing = phase == Phase::DrawForFirstPlay || phase == Phase::DrawingSeven;
        announce(drawing && !engine_.flowRunning()
                     ? tr("No hint for a draw: any domino in the BoneYard will do")
                     : tr("No hint now: it is not your turn"));
        return;
    }
    // The hinted domino is highlighted, so the player sees which one it is.
    if (const int slot = showHint(engine_, computer_.masterSeeds())) {
        highlighted_ = slot;
        keysUsed_ = true;
        showHighlight();
    }
    updateActions();
}

void frmDominos::moveHighlight(int step) {
    const GameState& s = engine_.state();
    const int slots = s.Playerdom;
    if (slots < 1)
        return;
    // From no highlight, Right starts at the first domino and Left at the last.
    int slot =
        highlighted_ >= 1 && highlighted_ <= slots ? highlighted_ : (step > 0 ? 0 : slots + 1);
    for (int tries = 0; tries <= slots; ++tries) {
        slot += step;
        if (slot < 1)
            slot = slots;
        else if (slot > slots)
            slot = 1;
        if (present(s, slot)) {
            highlighted_ = slot;
            return;
        }
    }
}

void frmDominos::highlightNth(int n) {
    const GameState& s = engine_.state();
    for (int slot = 1; slot <= s.Playerdom; ++slot)
        if (present(s, slot) && --n == 0) {
            highlighted_ = slot;
            return;
        }
}

void frmDominos::showHighlight() {
    const GameState& s = engine_.state();
    if (keysUsed_ && present(s, highlighted_)) {
        const int left = handSlotLeft(highlighted_);
        table_->PlayersPic->setHighlight(
            Rect{left, s.PlayerHandTop, left + HalfSize, s.PlayerHandTop + 2 * HalfSize});
    } else {
        table_->PlayersPic->setHighlight(std::nullopt);
    }
    describePictures();
}

void frmDominos::clickAt(Picture picture, int x, int y) {
    if (engine_.flowRunning())
        return;
    switch (picture) {
    case Picture::Players:
        engine_.PlayersPic_MouseDown(x, y);
        engine_.PlayersPic_Click();
        break;
    case Picture::View:
        engine_.ViewPic_MouseDown(x, y);
        engine_.ViewPic_Click();
        break;
    case Picture::BoneYard:
        engine_.BoneYardPic_MouseDown(x, y);
        engine_.BoneYardPic_Click();
        break;
    case Picture::Computers:
        break;
    }
    updateActions();
}

void frmDominos::describePictures() {
    updateActions();
    for (PictureArea* area :
         {table_->PlayersPic, table_->ViewPic, table_->BoneYardPic, table_->ComputersPic})
        if (PictureReader* reader = PictureReader::of(area))
            reader->update();
}

PictureReading frmDominos::readHand() const {
    const GameState& s = engine_.state();
    const int marked = keysUsed_ ? highlighted_ : 0;
    const long selected = s.GameStatus == Phase::PlayersTurn ? s.PlayerClicked.toLong() : 0;
    PictureReading r;
    r.role = QAccessible::List;
    r.name = tr("Your dominoes");
    for (int slot = 1; slot <= s.Playerdom; ++slot) {
        if (!present(s, slot))
            continue;
        if (slot == marked)
            r.focusItem = int(r.items.size());
        if (slot == selected)
            r.selectedItem = int(r.items.size());
        r.items << dominoText(s.PlayerArray(slot, 1), s.PlayerArray(slot, 2));
        const int left = handSlotLeft(slot);
        r.itemRects.emplace_back(
            table_->PlayersPic->toWidget(left, s.PlayerHandTop),
            table_->PlayersPic->toWidget(left + HalfSize, s.PlayerHandTop + 2 * HalfSize));
    }
    return r;
}

PictureReading frmDominos::readLine() const {
    const GameState& s = engine_.state();
    PictureReading r;
    r.role = QAccessible::List;
    r.name = lineText(s);
    r.items = lineItems(s);
    if (r.items.isEmpty())
        return r;
    // Where each item lies, in the order lineItems() names them: a click on
    // an end's rectangle plays on that end.
    const auto place = [this, &s](End end, int n) {
        const Rect box = s.entryRect(end, n);
        return QRect(table_->ViewPic->toWidget(box.left, box.top),
                     table_->ViewPic->toWidget(box.right, box.bottom));
    };
    for (int n = s.armCount(End::Left); n >= 2; --n)
        r.itemRects.push_back(place(End::Left, n));
    for (int n = 1; n <= s.armCount(End::Right); ++n)
        r.itemRects.push_back(place(End::Right, n));
    return r;
}

void frmDominos::readThePictures() {
    installTableAccessibility();
    new PictureReader(table_->PlayersPic, [this] { return readHand(); });
    new PictureReader(table_->ViewPic, [this] { return readLine(); });
    new PictureReader(table_->BoneYardPic, [this] {
        return PictureReading{QAccessible::Graphic, boneYardText(engine_.state()), {}, {}, -1, -1};
    });
    new PictureReader(table_->ComputersPic, [] {
        return PictureReading{QAccessible::Graphic, tr("Computer's Dominos"), {}, {}, -1, -1};
    });
}

void frmDominos::describeHowToPlay() {
    table_->PlayersPic->setAccessibleDescription(
        tr("Left and Right move the highlight, 1 to 9 jump to a domino, Enter "
           "selects it, Escape clears the highlight, C presses Can't Play"));
    table_->ViewPic->setAccessibleDescription(
        tr("L lays the selected domino on the left end, R on the right end"));
    table_->BoneYardPic->setAccessibleDescription(tr("B draws a domino"));
    // Tab goes round the hand, "Can't Play", the line and the BoneYard.
    for (QWidget* stop : std::initializer_list<QWidget*>{
             table_->PlayersPic, table_->ComPlayerCantPlay, table_->ViewPic, table_->BoneYardPic})
        stop->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(table_->PlayersPic, table_->ComPlayerCantPlay);
    setTabOrder(table_->ComPlayerCantPlay, table_->ViewPic);
    setTabOrder(table_->ViewPic, table_->BoneYardPic);
}

} // namespace pipwright
