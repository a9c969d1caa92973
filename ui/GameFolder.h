#pragma once

#include <QString>

namespace pipwright {

// Where the file dialogs for games and tables start: the Documents folder
// when there is one, else the home folder.
QString gameFilesFolder();

} // namespace pipwright
