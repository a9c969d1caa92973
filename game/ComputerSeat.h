#pragma once

namespace pipwright {

// The computer's side of the round flow. The engine calls these at the points
// where the round hands over to the computer; the computer player implements
// them on top of the engine.
class ComputerSeat {
public:
    virtual ~ComputerSeat() = default;
    // Takes seven dominoes from the BoneYard (phase 10, back to 1).
    virtual void ComputerSelects7Dominos() = 0;
    // Chooses and lays the Set Domino when the computer starts (phase 2 to 3).
    virtual void ComputerSetDomino() = 0;
    // The computer's whole turn, entered with GameStatus 4.
    virtual void GameStatus4() = 0;
};

} // namespace pipwright
