#include "computer/Hint.h"

#include "computer/MasterChoice.h"
#include "computer/MasterSeeds.h"
#include "game/Engine.h"
#include "game/Geometry.h"

namespace pipwright {

bool hintAvailable(const Engine& engine) {
    return !engine.flowRunning() && engine.state().GameStatus == Phase::PlayersTurn;
}

int showHint(Engine& engine, MasterSeeds& seeds) {
    if (!hintAvailable(engine))
        return 0;
    const std::uint64_t seed = seeds.next();
    const TableView view = engine.tableView(Seat::Player);
    const auto move = masterMove(view, seed);
    const std::string& name = engine.state().PlayerName;
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
