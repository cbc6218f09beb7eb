#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace veltra {

class ReportDocument;

// "stampa maggioranze [--dati DATI]" and "stampa conduttore [--dati DATI]": the printouts of
// the reference tables, which need no archive; with "--dati DATI" their heading names the
// condominium of that archive and its number of owners.
namespace ReferencePrintKind {

QString synopsis();
// Each fills document from the arguments after the kind; ExitSuccess or the exit code after
// one line on err.
int buildMajorities(const QStringList &arguments, ReportDocument &document, QTextStream &err);
int buildTenantSplit(const QStringList &arguments, ReportDocument &document, QTextStream &err);

} // namespace ReferencePrintKind

} // namespace veltra
