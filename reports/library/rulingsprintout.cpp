#include "reports/library/rulingsprintout.h"

#include "reports/document/printstatus.h"

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);
constexpr int HeadingSize = 20;
constexpr int TextSize = 12;

} // namespace

QString RulingsPrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QString RulingsPrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

ReportDocument RulingsPrintout::build(const QString &condoName, const QString &topicTitle,
                                      const QStringList &rulings, int first, int last)
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Condominio: ") + condoName + CR, HeadingSize);
    for (int n = std::max(first, 1), end = std::min(last, int(rulings.size())); n <= end; ++n) {
        document.appendParagraph(QString(CR) + CR + QStringLiteral("Sentenza n.%1: ").arg(n)
                                     + topicTitle + CR,
                                 TextSize);
        document.appendParagraph(rulings.at(n - 1) + CR, TextSize);
    }
    document.justifyAll();
    return document;
}

} // namespace veltra
