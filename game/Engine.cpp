#include "game/Engine.h"

#include <utility>

namespace pipwright {

// The actions asked for while the outermost flow ran, each as a flow of its
// own.
void Engine::runDeferred() {
    draining_ = true;
    while (!deferred_.empty()) {
        auto action = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        ++flowDepth_;
        action();
        --flowDepth_;
    }
    draining_ = false;
}

Engine::Engine(WindowPort& port, RandomSource& random) : port_(port), random_(random) {}

void Engine::runWhenIdle(std::function<void()> action) {
    if (flowRunning()) {
        deferred_.push_back(std::move(action));
        return;
    }
    FlowGuard guard(*this);
    action();
}

void Engine::Form_Load(const Metrics& metrics) {
    metrics_ = metrics;
    port_.setTimer1Enabled(false);
    for (int panel = 1; panel <= 4; ++panel)
        port_.setStatusPanel(panel, Text());
    port_.hideSelectionLabel(SelectionLabel::Computer);
    port_.hideSelectionLabel(SelectionLabel::Player);
    s_.RestoringGame = False;
    s_.PlayLevel = False;
    s_.PlayerCantPlay = Variant();
    s_.ComputerCantPlay = False;
    s_.PlayerHasSeven = Variant();
    s_.ComputerHasSeven = False;
    s_.SecondsToPlay = 6;
    s_.WinnerReStartsGame = False;
    KillTheMenus();
    s_.PlayerHandTop = metrics.playerHandTop;
    s_.ComputerDom = 7;
    s_.GamesWon = Variant::integer(0);
    s_.GamesLost = 0;
    GameStart();
}

void Engine::Form_Activate() {
    if (s_.AuthorShown == 0)
        port_.setPlayerCaption(Text("Messages", "%1's Dominos").arg(s_.PlayerName));
    s_.PlayerCantPlay = Variant();
    s_.ComputerCantPlay = False;
    // While the hands are dealt, a side that holds its seven keeps its mark:
    // without it the deal would draw that side's seven again.
    const bool dealing =
        s_.GameStatus == Phase::DrawingSeven || s_.GameStatus == Phase::ComputerDrawsSeven;
    if (!dealing || s_.PlayerHasSeven != True || !s_.holdsSeven(s_.PlayerArray, s_.Playerdom))
        s_.PlayerHasSeven = Variant();
    if (!dealing || s_.ComputerHasSeven != True || !s_.holdsSeven(s_.ComputerArray, s_.ComputerDom))
        s_.ComputerHasSeven = False;
    // Only the draw for first play asks for the draw, whoever starts the
    // next hands; at any other phase the message line and the played panels
    // keep what they said.
    if (s_.GameStatus == Phase::DrawForFirstPlay)
        promptTheDraw();
}

void Engine::promptTheDraw() {
    say(Text("Messages", "%1, Click on any Domino in the BoneYard to see who Plays First..")
            .arg(s_.PlayerName));
    setPlayerPlayed("");
    setComputerPlayed("");
}

void Engine::KillTheMenus() {
    for (Menu m : {Menu::Author, Menu::GameConditions, Menu::GameHistory, Menu::SaveGame,
                   Menu::RestartTheGame})
        port_.setMenuEnabled(m, false);
}

void Engine::ActivateTheMenus() {
    for (Menu m : {Menu::Author, Menu::GameConditions, Menu::GameHistory, Menu::SaveGame,
                   Menu::RestartTheGame, Menu::OpenGame})
        port_.setMenuEnabled(m, true);
}

void Engine::MousePointerHourglass() {
    port_.setBusyPointer(true);
}

void Engine::MousePointerArrow() {
    port_.setBusyPointer(false);
}

void Engine::say(const Text& text) {
    port_.setMessage(text);
}

void Engine::setPlayerPlayed(std::string_view pips) {
    s_.PlayerPlayedCaption = pips;
    port_.setPlayerPlayed(pips);
}

void Engine::setComputerPlayed(std::string_view pips) {
    s_.ComputerPlayedCaption = pips;
    port_.setComputerPlayed(pips);
}

void Engine::showPlayerScore(bool apostropheOnly) {
    const long long score = s_.PlayerScore.toLong();
    port_.setStatusPanel(1, apostropheOnly
                                ? Text("Messages", "%1' Score=%2").arg(s_.PlayerName).arg(score)
                                : Text("Messages", "%1's Score=%2").arg(s_.PlayerName).arg(score));
}

void Engine::showComputerScore() {
    port_.setStatusPanel(2, Text("Messages", "Computer's Score=%1").arg(s_.ComputerScore));
}

bool Engine::playerCanMatch() const {
    const Integer L = s_.openEnd(End::Left);
    const Integer R = s_.openEnd(End::Right);
    for (int i = 1; i <= s_.Playerdom; ++i) {
        const Integer a = s_.PlayerArray(i, 1);
        const Integer b = s_.PlayerArray(i, 2);
        if (a != NoHalf && (fitsEnd(a, b, L) || fitsEnd(a, b, R)))
            return true;
    }
    return false;
}

bool Engine::boneYardHasDomino() const {
    for (int i = 1; i <= SetSize; ++i)
        if (s_.BoneYardArray(i, 1) != NoHalf)
            return true;
    return false;
}

} // namespace pipwright
