#pragma once

class QWidget;

namespace pipwright {

struct GameState;

// frmAuthor, the About window, shown modally. Its OK sets AuthorShown to 1.
void showAuthorWindow(GameState& state, QWidget* parent);

} // namespace pipwright
