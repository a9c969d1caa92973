#include "ui/GameFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pipwright {

QString gameFilesFolder() {
    // A folder that is missing would be taken for a file name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace pipwright
