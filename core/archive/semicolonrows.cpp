#include "core/archive/semicolonrows.h"

#include "core/archive/archivetext.h"

namespace veltra::SemicolonRows {

QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

QString row(const QStringList &fields)
{
    QStringList written;
    for (const QString &text : fields)
        written.append(field(text));
    return written.join(QLatin1Char(';')) + QLatin1Char('\n');
}

bool split(const QString &line, QStringList &fields)
{
    QString current;
    bool quoted = false;
    for (int k = 0; k < line.size(); ++k) {
        const QChar c = line.at(k);
        if (quoted && c == QLatin1Char('"') && k + 1 < line.size() && line.at(k + 1) == c) {
            current.append(c);
            ++k;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(';') && !quoted) {
            fields.append(current.trimmed());
            current.clear();
        } else {
            current.append(c);
        }
    }
    fields.append(current.trimmed());
    return !quoted;
}

bool lines(const QByteArray &bytes, QStringList &lines, QString *problem)
{
    if (ArchiveText::hasMisleadingMark(bytes)) {
        *problem = QString::fromUtf8("riga 1: il file comincia come UTF-8 ma non lo è");
        return false;
    }
    QString text = ArchiveText::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines = text.split(QLatin1Char('\n'));
    return true;
}

} // namespace veltra::SemicolonRows
