#include "core/meeting/minutesregister.h"

#include "core/meeting/wholefilereading.h"

#include <QDate>
#include <QFileInfo>

namespace veltra {

namespace {

const QString FormatName = QStringLiteral("VELTRA-VERBALI");
constexpr int FormatVersion = 1;
constexpr int MaxEntries = 10000;
constexpr int MaxLines = 100000;

void writeLines(ArchiveWriter &writer, const QStringList &lines)
{
    for (const QString &line : lines) {
        writer.writeQuotedText(line);
        writer.endRecord();
    }
}

void writeRecords(ArchiveWriter &writer, const QString &condoName, const QList<MinutesEntry> &entries)
{
    writer.writeText(FormatName);
    writer.writeInteger(FormatVersion);
    writer.endRecord();
    writer.writeQuotedText(condoName);
    writer.writeInteger(entries.size());
    writer.endRecord();
    for (const MinutesEntry &entry : entries) {
        writer.writeInteger(entry.number);
        writer.writeQuotedText(entry.entryDate);
        writer.writeQuotedText(entry.meetingDate);
        writer.writeInteger(entry.corrects);
        writer.writeInteger(entry.lines.size());
        writer.writeInteger(entry.appointments.size());
        writer.endRecord();
        writeLines(writer, entry.lines);
        writeLines(writer, entry.appointments);
    }
}

class RegisterRecords
{
public:
    explicit RegisterRecords(ArchiveReader &reader) : m_reader(reader) {}

    void read(MinutesRegister::LoadResult &result)
    {
        const QString format = m_reader.readText();
        const int version = m_reader.readInteger();
        m_reader.endRecord();
        if (!m_reader.ok() || format != FormatName || version != FormatVersion) {
            result.problem = QStringLiteral("non è un registro dei verbali di questa versione del programma");
            return;
        }
        result.condoName = m_reader.readText();
        const int entries = ranged(0, MaxEntries);
        m_reader.endRecord();
        for (int i = 1; i <= entries && m_reader.ok(); ++i)
            result.entries << readEntry(i);
        if (m_reader.ok() && !m_reader.atEnd()) {
            m_reader.readText();
            m_reader.fail();
        }
    }

private:
    int ranged(int minimum, int maximum)
    {
        const int value = m_reader.readInteger();
        if (value < minimum || value > maximum)
            m_reader.fail();
        return m_reader.ok() ? value : 0;
    }

    QString date()
    {
        const QString text = m_reader.readText();
        if (!QDate::fromString(text, QStringLiteral("dd/MM/yyyy")).isValid())
            m_reader.fail();
        return text;
    }

    QStringList lines(int count)
    {
        QStringList list;
        for (int i = 0; i < count && m_reader.ok(); ++i) {
            list << m_reader.readText();
            m_reader.endRecord();
        }
        return list;
    }

    // Entry number expected: numbered in order, correcting only an earlier entry.
    MinutesEntry readEntry(int expected)
    {
        MinutesEntry entry;
        entry.number = ranged(expected, expected);
        entry.entryDate = date();
        entry.meetingDate = date();
        entry.corrects = ranged(0, expected - 1);
        const int lineCount = ranged(0, MaxLines);
        const int appointments = ranged(0, MaxLines);
        m_reader.endRecord();
        entry.lines = lines(lineCount);
        entry.appointments = lines(appointments);
        return entry;
    }

    ArchiveReader &m_reader;
};

void readRecords(ArchiveReader &reader, MinutesRegister::LoadResult &result)
{
    RegisterRecords(reader).read(result);
}

} // namespace

MinutesRegister::LoadResult MinutesRegister::load(const QString &path)
{
    return WholeFileReading::load<LoadResult>(path, readRecords);
}

MinutesRegister::LoadResult MinutesRegister::read(const QByteArray &bytes)
{
    return WholeFileReading::fromBytes<LoadResult>(bytes, readRecords);
}

QByteArray MinutesRegister::bytes(const QString &condoName, const QList<MinutesEntry> &entries)
{
    ArchiveWriter writer;
    writeRecords(writer, condoName, entries);
    return WholeFileReading::bytesOf(writer);
}

bool MinutesRegister::append(const QString &path, const QString &condoName, MinutesEntry &entry,
                             QString *error)
{
    QList<MinutesEntry> entries;
    if (QFileInfo::exists(path)) {
        const LoadResult existing = load(path);
        if (!existing.isComplete()) {
            *error = QStringLiteral("il registro \"%1\" non si può leggere per intero: non vi si aggiunge nulla")
                         .arg(path);
            return false;
        }
        entries = existing.entries;
    }
    if (entry.corrects < 0 || entry.corrects > entries.size()) {
        *error = QStringLiteral("il registro non ha il verbale n. %1 da correggere").arg(entry.corrects);
        return false;
    }
    entry.number = int(entries.size()) + 1;
    entries << entry;
    ArchiveWriter writer;
    writeRecords(writer, condoName, entries);
    return WholeFileReading::commit(writer, path, error);
}

QString MinutesRegister::fileName(const QString &condoName)
{
    return QStringLiteral("Veltra-verbali-") + condoName;
}

} // namespace veltra
