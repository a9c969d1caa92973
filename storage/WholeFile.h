#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace pipwright {

struct FileOutcome {
    bool ok = false;
    QString reason; // why it failed, for the caller to show or drop
};

// Replaces the file at path with these bytes in one step: when anything
// fails, a file already there keeps its old content.
FileOutcome writeWholeFile(const QString& path, const std::string& bytes);

// Reads at most limit bytes of a file; nothing when it cannot be read or is
// larger than that.
std::optional<QByteArray> readWholeFile(const QString& path, qint64 limit, QString* reason);

} // namespace pipwright
