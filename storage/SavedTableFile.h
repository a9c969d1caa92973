#pragma once

#include "session/TableSession.h"
#include "storage/WholeFile.h"

#include <QString>
#include <memory>

namespace pipwright {

// The name a table is written under: one without a suffix, or ending in a
// dot, gets the table's own ".table".
QString settledTableFileName(const QString& path);

// Writes the table to path in one step, once the reader has opened the bytes
// to the same table: when anything fails, a file already there keeps its old
// content.
FileOutcome saveTable(const QString& path, const session::TableSession& session);

struct OpenedTable {
    std::unique_ptr<session::TableSession> session; // only for a file that passes every check
    QString reason;
};

// Reads a table file into a new session; nothing is returned unless the
// whole file reads and its replay agrees with every line.
OpenedTable openTable(const QString& path);

} // namespace pipwright
