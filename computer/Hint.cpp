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
    if (!move) {
        engine.sayToPlayer(view.boneYardCount > 0 ? ", Hint: Draw a Domino from the BoneYard.."
                                                  : ", Hint: No Domino fits, press Can't Play..");
        return 0;
    }
    engine.PlayersPic_MouseDown(handSlotLeft(move->slot) + HalfSize / 2,
                                engine.state().PlayerHandTop + HalfSize);
    engine.PlayersPic_Click();
    engine.sayToPlayer(move->end == End::Left
                           ? ", Hint: Play the selected Domino on the Left End.."
                           : ", Hint: Play the selected Domino on the Right End..");
    return move->slot;
}

} // namespace pipwright
