#include "reports/registry/administratorletterhead.h"

#include "core/registry/administratordetails.h"
#include "reports/document/reportdocument.h"

namespace veltra {

namespace AdministratorLetterhead {

void append(ReportDocument &document, const AdministratorDetails &details)
{
    const QStringList lines = details.letterhead();
    if (lines.isEmpty())
        return;
    // The letter goes on in the size it would have had without the letterhead.
    const std::optional<int> size = document.sizeInForce();
    for (int i = 0; i < lines.size(); ++i)
        document.appendParagraph(lines.at(i), i == 0 ? 11 : 9, i == 0);
    document.appendParagraph(QString(), size ? size : std::optional<int>(10));
}

QString signature(const QString &caption, const QString &separator,
                  const AdministratorDetails &details)
{
    const QString name = details.name.trimmed();
    return name.isEmpty() ? caption : caption + separator + name;
}

void appendDatedSignature(ReportDocument &document, const QDate &day, const AdministratorDetails &details,
                          int size)
{
    const QChar CR(13);
    document.appendParagraph(CR + QStringLiteral("Data: ") + day.toString(QStringLiteral("dd/MM/yyyy")) + CR + CR,
                             size);
    document.appendParagraph(signature(QStringLiteral("L'amministratore"), CR, details) + CR + CR
                                 + QStringLiteral("__________________________") + CR,
                             size);
}

} // namespace AdministratorLetterhead

} // namespace veltra
