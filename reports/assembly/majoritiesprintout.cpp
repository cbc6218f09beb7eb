#include "reports/assembly/majoritiesprintout.h"

#include "reports/document/printstatus.h"
#include "reports/expenses/expenseitemheading.h"

namespace veltra {

namespace {

const QChar CR(13);

} // namespace

QString MajoritiesPrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QString MajoritiesPrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

ReportDocument MajoritiesPrintout::build(const SharedState &state,
                                         const QList<Majority> &majorities)
{
    ReportDocument document(PrintoutFont);
    ExpenseItemHeading::appendCondominiumLine(document, state);
    ExpenseItemHeading::appendOwnerCountLine(document, state);
    document.appendParagraph(QStringLiteral("MAGGIORANZE ASSEMBLEARI") + CR + CR, 12);
    for (const Majority &majority : majorities) {
        document.appendParagraph(majority.caption + CR, 10);
        document.appendParagraph(QString(majority.text).replace(QLatin1Char('\n'), CR) + CR + CR,
                                 10);
    }
    return document;
}

} // namespace veltra
