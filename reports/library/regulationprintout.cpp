#include "reports/library/regulationprintout.h"

#include "reports/document/printstatus.h"

namespace veltra {

namespace {

const QString CrCr = QStringLiteral("\r\r");
constexpr int HeadingSize = 20;
constexpr int TextSize = 12;

} // namespace

QString RegulationPrintout::openingStatus()
{
    return PrintStatus::LoadingForPrint;
}

ReportDocument RegulationPrintout::build(const QString &condoName, const QString &regulation)
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Condominio: ") + condoName + CrCr, HeadingSize);
    document.appendParagraph(regulation + CrCr, TextSize);
    document.appendParagraph(QStringLiteral("Approvato con delibera dell'assemblea n._____ del "
                                            "giorno________________"),
                             TextSize);
    document.justifyAll();
    return document;
}

} // namespace veltra
