#pragma once

#include <QString>
#include <QStringList>

namespace veltra {

class ReportDocument;

// The letters of a printout written one PDF per owner into one folder, each named after
// him ("007 Marchetti Chiara.pdf"), so that each can be mailed on its own.
namespace OwnerLetterFiles {

// Writes each owner's letter of document into folder (made when missing), replacing files
// of the same names, and returns the paths written in order. It stops at the first file
// that cannot be written, whose path then goes to failed.
QStringList write(const ReportDocument &document, const QString &folder, QString *failed);

} // namespace OwnerLetterFiles

} // namespace veltra
