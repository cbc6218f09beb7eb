#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace veltra {

struct AdministratorDetails;
class PrintGate;
class ReportDocument;

// "stampa convocazione AVVISI --dati DATI [--copie 2]": the meeting notices of a notice file
// for the owners of a condominium archive, one copy each or two with "--copie 2", once the
// notice passes its check (the gate decides over a warning).
namespace ConvocazionePrintKind {

QString synopsis();
// Fills document from the arguments after the kind; ExitSuccess or the exit code after one
// line on err.
int build(const QStringList &arguments, const PrintGate &gate,
          const AdministratorDetails &administrator, ReportDocument &document,
          QTextStream &err);

} // namespace ConvocazionePrintKind

} // namespace veltra
