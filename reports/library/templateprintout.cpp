#include "reports/library/templateprintout.h"

#include "reports/document/printstatus.h"

namespace veltra {

namespace {

constexpr int HeadingSize = 20;
constexpr int TextSize = 12;

} // namespace

QString TemplatePrintout::openingStatus()
{
    return PrintStatus::LoadingForPrint;
}

QString TemplatePrintout::closingStatus()
{
    return PrintStatus::ShownDocument;
}

ReportDocument TemplatePrintout::build(const QString &condoName, const QString &templateText)
{
    ReportDocument document(fontName());
    document.appendParagraph(QStringLiteral("Condominio: ") + condoName + QStringLiteral("\r\r"),
                             HeadingSize);
    if (!templateText.isEmpty())
        document.appendParagraph(templateText, TextSize);
    document.justifyAll();
    return document;
}

} // namespace veltra
