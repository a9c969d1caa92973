#include "rules/Scoring.h"

namespace pipwright::rules {

int countPoints(EndsScore scoring, int count) {
    switch (scoring) {
    case EndsScore::MultipleOfFive:
        return scoresFives(count) ? count : 0;
    case EndsScore::FivesAndThrees:
        return fivesAndThreesPoints(count);
    case EndsScore::Nothing:
        break;
    }
    return 0;
}

} // namespace pipwright::rules
