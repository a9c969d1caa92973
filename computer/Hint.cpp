#include "computer/Hint.h"

#include "computer/MasterChoice.h"
#include "computer/MasterSeeds.h"
#include "game/Engine.h"
#include "game/Geometry.h"

#include <string>

namespace pipwright {

bool hintAvailable(const Engine& engine) {
    const Integer phase = engine.state().GameStatus;
    return !engine.flowRunning() && (phase == Phase::PlayersTurn || phase == Phase::SetDomino);
}

int showHint(Engine& engine, MasterSeeds& seeds) {
    if (!hintAvailable(engine))
        return 0;
    const std::uint64_t seed = seeds.next();
    const TableView view = engine.tableView(Seat::Player);
    const std::string& name = engine.state().PlayerName;
    if (engine.state().GameStatus == Phase::SetDomino) {
        // The Set Domino is laid by the click itself, so the hint only names it.
        const int slot = masterSetDomino(view, seed);
        if (slot == 0)
            return 0;
        const GameState& s = engine.state();
        engine.say(Text("Messages", "%1, Hint: Lead with the %2 as your Set Domino..")
                       .arg(name)
                       .arg(std::to_string(s.PlayerArray(slot, 1)) + "-" +
                            std::to_string(s.PlayerArray(slot, 2))));
        return slot;
    }
    const auto move = masterMove(view, seed);
    if (!move) {
        engine.say(
            view.boneYardCount > 0
                ? Text("Messages", "%1, Hint: Draw a Domino from the BoneYard..").arg(name)
                : Text("Messages", "%1, Hint: No Domino fits, press Can't Play..").arg(name));
        return 0;
    }
    engine.PlayersPic_MouseDown(handSlotLeft(move->slot) + HalfSize / 2,
                                engine.state().PlayerHandTop + HalfSize);
    engine.PlayersPic_Click();
    engine.say(
        move->end == End::Left
            ? Text("Messages", "%1, Hint: Play the selected Domino on the Left End..").arg(name)
            : Text("Messages", "%1, Hint: Play the selected Domino on the Right End..").arg(name));
    return move->slot;
}

} // namespace pipwright
