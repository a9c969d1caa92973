#pragma once

#include <QIcon>

namespace pipwright {

// The game's icon: a standing domino, drawn rather than loaded.
QIcon dominoIcon();

} // namespace pipwright
