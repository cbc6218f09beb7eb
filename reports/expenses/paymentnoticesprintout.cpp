#include "reports/expenses/paymentnoticesprintout.h"

#include "core/expenses/civilcodearticles.h"
#include "core/expenses/expenseallocation.h"
#include "core/expenses/meterallocation.h"
#include "core/numbers/numberformat.h"
#include "core/numbers/numbertext.h"
#include "core/expenses/runningtotal.h"
#include "core/state/sharedstate.h"
#include "reports/expenses/expenseitemheading.h"
#include "reports/expenses/metersharestable.h"
#include "reports/document/printstatus.h"
#include "reports/registry/administratorletterhead.h"

#include <QStringList>

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);

// The blanks that set the address block towards the right of the page.
const QString AddressIndent(80, QLatin1Char(' '));

const QStringList OwnerHeading = {
    QStringLiteral("sì/no"), QStringLiteral("num."), QStringLiteral("nome"),
    QStringLiteral("indirizzo"), QStringLiteral("%"), QStringLiteral("millesimi"),
    QStringLiteral("uso"), QStringLiteral("risc."), QStringLiteral("1/3"),
    QStringLiteral("perc.2/3"), QStringLiteral("rip.spese")
};

const QStringList Explanations = {
    QStringLiteral("la spesa da ripartire è stata moltiplicata per i millesimi di proprietà e "
                   "divisa per 1000."),
    QStringLiteral("la spesa da ripartire è stata moltiplicata per i millesimi di proprietà "
                   "diviso 1000 e poi è stata aggiunta la percentuale della convenzione "
                   "stabilita."),
    QStringLiteral("la spesa da ripartire è stata moltiplicata per la cubatura dell'unità "
                   "immobiliare e divisa per la somma di tutte le cubature."),
    QStringLiteral("la spesa da ripartire è stata moltiplicata per la superficie radiante "
                   "dell'unità immobiliare e divisa per la somma di tutte le superfici "
                   "radianti."),
    QStringLiteral("la spesa da ripartire è stata divisa tra i condomini che vi partecipano: "
                   "metà in proporzione ai millesimi di proprietà, l'altra metà in proporzione "
                   "ai millesimi di piano, cioè all'altezza di ciascun piano dal suolo "
                   "(art.1124 C.C.)."),
    QStringLiteral("la spesa da ripartire è stata divisa secondo i dettami dell'art.1126 del "
                   "Codice Civile che si riporta."),
    QStringLiteral("la spesa di riscaldamento è stata divisa tra i condomini che vi partecipano "
                   "in due quote: la quota dei consumi in proporzione alle letture dei contatori "
                   "di calore o dei ripartitori di ciascuno, la quota fissa in proporzione alla "
                   "base indicata nella tabella della spesa; ciascuna quota è arrotondata al "
                   "centesimo e i centesimi residui vanno ai resti maggiori, così che le quote "
                   "sommino alla spesa.")
};

constexpr int FirstRightColumn = 5;
constexpr int LastRightColumn = 11;

// The owners table is the same in every notice: its rows are built once.
QList<QStringList> ownerRows(const SharedState &state)
{
    const bool roofTerrace =
        ExpenseItemHeading::printedCriterion(state.calcType) == RoofTerraceArt1126;
    QList<QStringList> rows;
    for (int j = 1; j <= std::clamp(state.ownerCount, 0, MaxOwners); ++j) {
        const Owner &owner = state.owner(j);
        const QString oneThird = !roofTerrace ? QString()
            : owner.oneThirdFlag == 0         ? QStringLiteral("no")
                                              : QStringLiteral("sì");
        rows.append({ owner.takesPart == 1 ? QStringLiteral("sì") : QStringLiteral("no"),
                      NumberText::str(j), owner.ownerName, owner.ownerAddress,
                      owner.fixedPercent, owner.ownerMillesimi.toText(),
                      formatNumber(owner.useMillesimi, NumberFormat::MillesimiPattern),
                      owner.heatingQuantity.toText(), oneThird, owner.twoThirdsPercent,
                      owner.shareAmount });
    }
    return rows;
}

// The head every notice shares with the statement, with the running total of the series.
void appendHead(ReportDocument &document, const SharedState &state, int k)
{
    ExpenseItemHeading::appendCondominiumLine(document, state);
    document.appendParagraph(
        ExpenseItemHeading::managementLine(QStringLiteral("SPESE"), state.item(k).expenseDate, k),
        12);
    const double total = RunningTotal::condominiumRunningTotal(state, k);
    document.appendParagraph(RunningTotal::line(RunningTotal::shownTotal(total)), 12);
    ExpenseItemHeading::appendOwnerCountLine(document, state);
    ExpenseItemHeading::appendItemTable(document, state, k, QStringLiteral("data della spesa"));
}

// The address block takes 12 points, the size of the head it follows, as in the reminders.
void appendLetter(ReportDocument &document, const SharedState &state, int i)
{
    const Owner &owner = state.owner(i);
    document.appendParagraph(QString(CR) + CR + AddressIndent + QStringLiteral("Al condomino") + CR,
                             12);
    document.appendParagraph(AddressIndent + owner.ownerName + CR);
    document.appendParagraph(AddressIndent + owner.ownerAddress + CR + CR + CR);
    document.appendParagraph(QStringLiteral("Oggetto: avviso di pagamento al condomino n.")
                                 + NumberText::str(i) + CR + CR,
                             10);
    document.appendParagraph(QStringLiteral("Si invita la S/V a voler pagare il contributo relativo "
                                            "alla sua proprietà e riguardante la spesa in "
                                            "oggetto.")
                             + CR);
    document.appendParagraph(QStringLiteral("La somma da pagare è la seguente: euro ")
                             + owner.shareAmount + CR);
    document.appendParagraph(QStringLiteral("Il calcolo è stato effettuato secondo i seguenti "
                                            "criteri:")
                             + CR);
    document.appendParagraph(PaymentNoticesPrintout::criterionExplanation(state.calcType) + CR);
}

// Under heating by heat meters the letter gives the owner's reading and both parts.
void appendMeterLines(ReportDocument &document, const SharedState &state, const MeterSplit &split,
                      int i)
{
    if (state.calcType == MeteredHeating)
        document.appendParagraph(MeterSharesTable::ownerLines(state, split, i) + CR);
}

int appendOwners(ReportDocument &document, const QStringList &heading,
                 const QList<QStringList> &rows)
{
    document.appendParagraph(QString());
    const int table = document.appendTable(rows.size() + 1, heading.size(), 8);
    for (int column = 1; column <= heading.size(); ++column)
        document.setCell(table, 1, column, heading[column - 1]);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 1; column <= heading.size(); ++column)
            document.setCell(table, row + 2, column, rows[row][column - 1]);
    }
    return table;
}

void appendClosing(ReportDocument &document, const AdministratorDetails &administrator,
                   const QDate &today)
{
    document.appendParagraph(QString(CR) + QStringLiteral("Data: ")
                                 + today.toString(QStringLiteral("dd/MM/yyyy")) + CR + CR,
                             10);
    document.appendParagraph(QStringLiteral("Distinti saluti") + CR);
    document.appendParagraph(
        AdministratorLetterhead::signature(QStringLiteral("L'Amministratore"), QString(CR), administrator)
        + CR + CR);
    document.appendParagraph(QStringLiteral("__________________________") + CR);
}

} // namespace

QString PaymentNoticesPrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QList<int> PaymentNoticesPrintout::unpaidOwners(const SharedState &state)
{
    QList<int> owners;
    for (int i = 1; i <= std::clamp(state.ownerCount, 0, MaxOwners); ++i) {
        if (state.owner(i).paymentDate.isEmpty())
            owners.append(i);
    }
    return owners;
}

QString PaymentNoticesPrintout::criterionExplanation(int calcType)
{
    const int criterion = ExpenseItemHeading::printedCriterion(calcType);
    QString text = Explanations[criterion - 1];
    if (criterion == RoofTerraceArt1126)
        text += CR + CivilCodeArticles::article1126() + CR;
    return text;
}

ReportDocument PaymentNoticesPrintout::build(const SharedState &state, int k, const QDate &today)
{
    ReportDocument document(PrintoutFont);
    if (k < 1 || k > MaxItems)
        return document;
    const bool metered = state.calcType == MeteredHeating;
    const MeterSplit split = metered ? splitByMeters(state, k) : MeterSplit();
    const QList<QStringList> rows = metered ? MeterSharesTable::rows(state, split) : ownerRows(state);
    const QStringList heading = metered ? MeterSharesTable::heading() : OwnerHeading;
    QList<int> tables;
    // The page break goes between notices, so that an owner N who has paid leaves no
    // empty page at the end.
    for (int i : unpaidOwners(state)) {
        if (!tables.isEmpty())
            document.appendPageBreak();
        document.beginOwnerLetter(i, state.owner(i).ownerName);
        AdministratorLetterhead::append(document, state.administrator);
        appendHead(document, state, k);
        appendLetter(document, state, i);
        appendMeterLines(document, state, split, i);
        tables.append(appendOwners(document, heading, rows));
        appendClosing(document, state.administrator, today);
    }
    for (int table : tables)
        document.alignColumnsRight(table, FirstRightColumn,
                                   metered ? MeterSharesTable::LastRightColumn : LastRightColumn);
    return document;
}

} // namespace veltra
