#pragma once

namespace pipwright {

class Engine;
class MasterSeeds;

// Whether the player may ask for a hint now: his turn or his Set Domino to
// choose, no flow running.
bool hintAvailable(const Engine& engine);

// The hint: the Master's choice for the player, from the player's own view of
// the table. A domino to lay is selected exactly as a click on it would
// select it, and the message line names the end; otherwise it says to draw or
// to press "Can't Play". For the Set Domino it names the domino to lead.
// It never plays for the player. Its search takes its
// seed from the Master's generator. Returns the hand slot it selected, or 0.
int showHint(Engine& engine, MasterSeeds& seeds);

} // namespace pipwright
