#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace veltra {

class ReportDocument;

// "--per-condomino FOLDER": the letters of a printout written one PDF per owner, each
// named after him ("007 Marchetti Chiara.pdf"), so that each can be mailed on its own.
namespace PerOwnerOutput {

// The printouts made of one letter per owner.
const QStringList &letterKinds();

// Writes each owner's letter of document into folder (made when missing), replacing
// files of the same names, and the path of each file on out, one a line; ExitSuccess,
// or the exit code after one line on err.
int write(const ReportDocument &document, const QString &folder, QTextStream &out,
          QTextStream &err);

} // namespace PerOwnerOutput

} // namespace veltra
