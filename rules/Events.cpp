#include "rules/Events.h"

namespace pipwright::rules {

std::string_view describe(Refusal refusal) {
    switch (refusal) {
    case Refusal::None:
        return "accepted";
    case Refusal::HandOver:
        return "the hand has ended: deal the next";
    case Refusal::GameOver:
        return "the game has ended";
    case Refusal::HandInPlay:
        return "the hand is still in play";
    case Refusal::NotHeld:
        return "that domino is not in the hand of the seat to play";
    case Refusal::MustLead:
        return "the first domino of the game must be the one the rules name";
    case Refusal::NotFirst:
        return "the line is empty: the domino goes down first";
    case Refusal::LineStarted:
        return "the line has begun: lay on the left or the right end";
    case Refusal::DoesNotMatch:
        return "the domino does not match that end";
    case Refusal::CanLay:
        return "a domino fits: lay it";
    case Refusal::RulesPass:
        return "these rules pass, they do not draw";
    case Refusal::BoneYardEmpty:
        return "the BoneYard is empty: pass";
    case Refusal::MustDraw:
        return "the BoneYard still holds dominoes: draw";
    }
    return "refused";
}

} // namespace pipwright::rules
