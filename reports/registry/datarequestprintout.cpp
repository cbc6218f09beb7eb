#include "reports/registry/datarequestprintout.h"

#include "core/registry/registercheck.h"
#include "core/state/sharedstate.h"
#include "reports/document/reportdocument.h"
#include "reports/registry/administratorletterhead.h"

namespace veltra {

namespace DataRequestPrintout {

namespace {

const QString CR = QStringLiteral("\r");
const QString AddressIndent = QStringLiteral("\t\t\t\t\t");

void appendList(ReportDocument &document, const QString &heading, const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    document.appendParagraph(heading + CR, 10);
    for (int k = 0; k < lines.size(); ++k)
        document.appendParagraph(QStringLiteral("- ") + lines.at(k)
                                     + QLatin1Char(k + 1 < lines.size() ? ';' : '.') + CR,
                                 10);
    document.appendParagraph(CR, 10);
}

void appendLetter(ReportDocument &document, const SharedState &state,
                  const RegisterCheck::OwnerFindings &findings, const QDate &today)
{
    const Owner &owner = state.owner(findings.owner);
    AdministratorLetterhead::append(document, state.administrator);
    document.appendParagraph(QStringLiteral("Raccomandata A/R") + CR + CR, 10, true);
    document.appendParagraph(AddressIndent + owner.ownerName + CR, 12);
    document.appendParagraph(AddressIndent + owner.ownerAddress + CR + CR + CR, 12);
    document.appendParagraph(QStringLiteral("Oggetto: %1 - anagrafe condominiale, richiesta dei "
                                            "dati mancanti (art. 1130, n. 6, c.c.)")
                                     .arg(state.condoName)
                                 + CR + CR,
                             10, true);
    document.appendParagraph(QString::fromUtf8(
        "Gentile condomino,\rla legge affida all'amministratore la tenuta dell'anagrafe "
        "condominiale: per ogni proprietario e per chi ha sulle unità un diritto reale o "
        "personale di godimento vi sono registrati le generalità, il codice fiscale e la "
        "residenza o il domicilio; per ogni unità i dati catastali. Ogni variazione va "
        "comunicata per iscritto all'amministratore entro sessanta giorni.") + CR + CR, 10);
    appendList(document, QString::fromUtf8("Per la Sua posizione mancano nel registro:"),
               findings.missing);
    appendList(document, QString::fromUtf8("Sono inoltre da verificare, perché non superano il "
                                           "controllo:"),
               findings.wrong);
    document.appendParagraph(QString::fromUtf8(
        "La prego di farmi avere per iscritto questi dati entro trenta giorni dal ricevimento "
        "della presente. Se entro quel termine la risposta non arriva o resta incompleta, "
        "dovrò procurarmi io le informazioni necessarie e il relativo costo Le sarà "
        "addebitato, come prevede l'art. 1130, n. 6, del codice civile.") + CR + CR, 10);
    document.appendParagraph(QString::fromUtf8(
        "Allego l'informativa sul trattamento dei dati personali (art. 13 del Regolamento "
        "(UE) 2016/679), che spiega come questi dati sono usati e conservati.") + CR + CR, 10);
    document.appendParagraph(QStringLiteral("Data: ") + today.toString(QStringLiteral("dd/MM/yyyy"))
                                 + CR + CR,
                             10);
    document.appendParagraph(QStringLiteral("Distinti saluti") + CR, 10);
    document.appendParagraph(AdministratorLetterhead::signature(QStringLiteral("L'amministratore"),
                                                                CR, state.administrator)
                                 + CR + CR,
                             10);
    document.appendParagraph(QStringLiteral("__________________________") + CR, 10);
}

} // namespace

ReportDocument build(const SharedState &state, int owner, const QDate &today)
{
    ReportDocument document(PrintoutFont);
    bool first = true;
    for (const RegisterCheck::OwnerFindings &findings : RegisterCheck::check(state, today)) {
        if (owner != 0 && findings.owner != owner)
            continue;
        if (!first)
            document.appendPageBreak();
        first = false;
        document.beginOwnerLetter(findings.owner, findings.ownerName);
        appendLetter(document, state, findings, today);
    }
    return document;
}

} // namespace DataRequestPrintout

} // namespace veltra
