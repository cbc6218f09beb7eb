#pragma once

#include <QString>
#include <QTextStream>

namespace veltra {

class SharedState;

// The firm's readings CSV read for the item in the state, as "importa" in the expense
// window reads it.
namespace MeterReadingsImport {

// Replaces the owners' readings with those of the file at path; ExitSuccess, or the exit
// code after one line on err naming the row at fault.
int apply(const QString &path, SharedState &state, QTextStream &err);

} // namespace MeterReadingsImport

} // namespace veltra
