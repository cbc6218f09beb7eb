#include "core/expenses/meterreadingscsv.h"

#include "core/archive/archivereader.h"
#include "core/archive/archivetext.h"
#include "core/archive/fieldreading.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace veltra {

namespace MeterReadingsCsv {

namespace {

const QStringList EstimatedMarks = {QStringLiteral("1"), QString::fromUtf8("sì"),
                                    QStringLiteral("si"), QStringLiteral("s"),
                                    QStringLiteral("x"), QStringLiteral("stimata")};
const QStringList TakenMarks = {QString(), QStringLiteral("0"), QStringLiteral("no"),
                                QStringLiteral("n")};

Result refused(int line, const QString &reason)
{
    Result result;
    result.problem = QStringLiteral("riga %1: %2").arg(line).arg(reason);
    return result;
}

QString unquoted(const QString &field)
{
    const QString trimmed = field.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('"'))
        && trimmed.endsWith(QLatin1Char('"')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return trimmed;
}

std::optional<int> ownerNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

// Why a row cannot be taken, or an empty text; row receives it when it can.
QString readRow(const QStringList &fields, int ownerCount, Row &row)
{
    if (fields.size() < 2 || fields.size() > 3)
        return QStringLiteral("servono il numero del condomino e la lettura, separati da \";\", "
                              "e al più il segno di lettura stimata");
    const std::optional<int> owner = ownerNumber(unquoted(fields.at(0)));
    if (!owner || *owner < 1 || *owner > ownerCount)
        return QString::fromUtf8("il condomino \"%1\" non è della spesa (i condomini vanno da 1 "
                                 "a %2)")
            .arg(FieldReading::quoted(unquoted(fields.at(0))))
            .arg(ownerCount);
    row.owner = *owner;
    row.reading = unquoted(fields.at(1));
    if (row.reading.isEmpty())
        return QStringLiteral("manca la lettura del condomino n.%1").arg(NumberText::str(*owner));
    const QString fault = NumberText::fault(row.reading);
    if (!fault.isEmpty())
        return QStringLiteral("la lettura del condomino n.%1: %2").arg(NumberText::str(*owner), fault);
    if (NumberText::read(row.reading).value_or(0) < 0)
        return QString::fromUtf8("la lettura del condomino n.%1 è negativa")
            .arg(NumberText::str(*owner));
    const QString mark = fields.size() == 3 ? unquoted(fields.at(2)).toLower() : QString();
    row.estimated = EstimatedMarks.contains(mark);
    if (!row.estimated && !TakenMarks.contains(mark))
        return QString::fromUtf8("\"%1\" non dice se la lettura è stimata (sì o no)")
            .arg(FieldReading::quoted(mark));
    return QString();
}

} // namespace

Result parse(const QByteArray &bytes, int ownerCount)
{
    if (ArchiveText::hasMisleadingMark(bytes))
        return refused(1, QString::fromUtf8("il file comincia come UTF-8 ma non lo è"));
    QString text = ArchiveText::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    Result result;
    QSet<int> seen;
    bool firstRow = true;
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines.at(n).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        const bool header = firstRow && !ownerNumber(unquoted(fields.at(0)));
        firstRow = false;
        if (header)
            continue;
        Row row;
        const QString fault = readRow(fields, ownerCount, row);
        if (!fault.isEmpty())
            return refused(n + 1, fault);
        if (seen.contains(row.owner))
            return refused(n + 1, QString::fromUtf8("il condomino n.%1 ha già una lettura")
                                      .arg(NumberText::str(row.owner)));
        seen.insert(row.owner);
        result.rows.append(row);
    }
    if (result.rows.isEmpty()) {
        result.problem = QString::fromUtf8("il file non contiene letture");
        return result;
    }
    result.ok = true;
    return result;
}

Result load(const QString &path, int ownerCount)
{
    Result result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = QString::fromUtf8("il file non può essere aperto (%1)").arg(file.errorString());
        return result;
    }
    if (file.size() > ArchiveReader::MaxArchiveBytes) {
        result.problem = QString::fromUtf8("il file è troppo grande per essere un file di letture");
        return result;
    }
    return parse(file.readAll(), ownerCount);
}

void apply(const Result &result, SharedState &state)
{
    if (!result.ok)
        return;
    for (int i = 1, n = std::clamp(state.ownerCount, 0, MaxOwners); i <= n; ++i) {
        state.owner(i).meterReading.clear();
        state.owner(i).readingEstimated = 0;
    }
    for (const Row &row : result.rows) {
        Owner &owner = state.owner(row.owner);
        owner.meterReading = row.reading;
        owner.readingEstimated = row.estimated ? 1 : 0;
    }
}

} // namespace MeterReadingsCsv

} // namespace veltra
