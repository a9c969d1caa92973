#include "rules/Move.h"

#include <algorithm>

namespace pipwright::rules {

bool MoveList::contains(const Move& move) const {
    return std::find(begin(), end(), move) != end();
}

} // namespace pipwright::rules
