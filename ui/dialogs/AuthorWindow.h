#pragma once

#include "ui/dialogs/WindowPlacement.h"

class QWidget;

namespace pipwright {

struct GameState;

// frmAuthor, the About window, shown modally, centred over the frame. Its OK
// sets AuthorShown to 1.
void showAuthorWindow(GameState& state, QWidget* parent, const PlacementFrame& frame = {});

} // namespace pipwright
