#include "core/meeting/decreefile.h"

#include "core/archive/fieldreading.h"
#include "core/meeting/wholefilereading.h"

#include <QFileInfo>
#include <QStringList>

namespace veltra {

namespace {

const QString FormatName = QStringLiteral("VELTRA-DECRETI");
constexpr int FormatVersion = 1;
constexpr int MaxDecrees = 10000;
const QString DateFormat = QStringLiteral("dd/MM/yyyy");

void writeRecords(ArchiveWriter &writer, const QString &condoName, const QList<CourtDecree> &decrees)
{
    writer.writeText(FormatName);
    writer.writeInteger(FormatVersion);
    writer.endRecord();
    writer.writeQuotedText(condoName);
    writer.writeInteger(decrees.size());
    writer.endRecord();
    for (const CourtDecree &decree : decrees) {
        writer.writeQuotedText(decree.date.toString(DateFormat));
        writer.writeQuotedText(decree.court);
        writer.writeQuotedText(decree.particulars);
        writer.writeQuotedText(DecreeFile::kindName(decree.kind));
        writer.writeQuotedText(decree.administrator);
        writer.writeQuotedText(decree.note);
        writer.endRecord();
    }
}

class DecreeRecords
{
public:
    DecreeRecords(ArchiveReader &reader, DecreeFile::LoadResult &result)
        : m_reader(reader)
        , m_result(result)
        , m_fields(reader, result.problem)
    {
    }

    void read()
    {
        const QString format = m_reader.readText();
        const int version = m_reader.readInteger();
        m_reader.endRecord();
        if (!m_reader.ok() || format != FormatName || version != FormatVersion) {
            m_result.problem = QStringLiteral("non è un file dei decreti di questa versione del programma");
            return;
        }
        m_result.condoName = m_fields.text(QStringLiteral("il nome del condominio"));
        const int count = m_fields.ranged(QStringLiteral("il numero dei decreti"), 0, MaxDecrees);
        m_fields.endRecord(QStringLiteral("il numero dei decreti"));
        for (int i = 1; i <= count && m_fields.ok(); ++i)
            m_result.decrees << decree(i);
        m_fields.refuseLeftOver(QStringLiteral("righe oltre l'ultimo decreto"));
    }

private:
    QString required(const QString &field)
    {
        const QString value = m_fields.text(field);
        m_fields.refuse(field, value.isEmpty() ? QStringLiteral("manca") : QString());
        return value;
    }

    CourtDecree decree(int i)
    {
        const QString of = QStringLiteral(" del decreto n. %1").arg(i);
        CourtDecree decree;
        const QString date = m_fields.text(QStringLiteral("la data") + of);
        decree.date = QDate::fromString(date, DateFormat);
        m_fields.refuse(QStringLiteral("la data") + of,
                        decree.date.isValid() ? QString() : QStringLiteral("non è una data GG/MM/AAAA"));
        decree.court = required(QStringLiteral("l'autorità giudiziaria") + of);
        decree.particulars = required(QStringLiteral("gli estremi") + of);
        const QString kind = m_fields.text(QStringLiteral("il tipo") + of);
        decree.kind = DecreeFile::kindNamed(kind).value_or(CourtDecree::Kind::Appointment);
        m_fields.refuse(QStringLiteral("il tipo") + of,
                        DecreeFile::kindNamed(kind) ? QString() : QStringLiteral("non è \"nomina\" né \"revoca\""));
        decree.administrator = required(QStringLiteral("l'amministratore") + of);
        decree.note = m_fields.text(QStringLiteral("la nota") + of);
        m_fields.endRecord(QStringLiteral("la nota") + of);
        return decree;
    }

    ArchiveReader &m_reader;
    DecreeFile::LoadResult &m_result;
    FieldReading m_fields;
};

void readRecords(ArchiveReader &reader, DecreeFile::LoadResult &result)
{
    DecreeRecords(reader, result).read();
}

} // namespace

bool CourtDecree::operator==(const CourtDecree &other) const
{
    return date == other.date && court == other.court && particulars == other.particulars && kind == other.kind
        && administrator == other.administrator && note == other.note;
}

DecreeFile::LoadResult DecreeFile::load(const QString &path)
{
    return WholeFileReading::load<LoadResult>(path, readRecords);
}

DecreeFile::LoadResult DecreeFile::read(const QByteArray &bytes)
{
    return WholeFileReading::fromBytes<LoadResult>(bytes, readRecords);
}

QByteArray DecreeFile::bytes(const QString &condoName, const QList<CourtDecree> &decrees)
{
    ArchiveWriter writer;
    writeRecords(writer, condoName, decrees);
    return WholeFileReading::bytesOf(writer);
}

bool DecreeFile::save(const QString &path, const QString &condoName, const QList<CourtDecree> &decrees,
                      QString *error)
{
    ArchiveWriter writer;
    writeRecords(writer, condoName, decrees);
    return WholeFileReading::commit(writer, path, error);
}

bool DecreeFile::append(const QString &path, const QString &condoName, const CourtDecree &decree, QString *error)
{
    *error = missing(decree);
    if (!error->isEmpty())
        return false;
    QList<CourtDecree> decrees;
    if (QFileInfo::exists(path)) {
        const LoadResult existing = load(path);
        if (!existing.isComplete()) {
            *error = QStringLiteral("il file dei decreti \"%1\" non si può leggere per intero (%2): non vi si "
                                    "aggiunge nulla")
                         .arg(path, existing.problem);
            return false;
        }
        if (existing.condoName != condoName) {
            *error = QStringLiteral("il file dei decreti \"%1\" è del condominio \"%2\"").arg(path, existing.condoName);
            return false;
        }
        decrees = existing.decrees;
    }
    decrees << decree;
    return save(path, condoName, decrees, error);
}

QString DecreeFile::missing(const CourtDecree &decree)
{
    QStringList lacks;
    if (!decree.date.isValid())
        lacks << QStringLiteral("la data");
    if (decree.court.trimmed().isEmpty())
        lacks << QStringLiteral("l'autorità giudiziaria");
    if (decree.particulars.trimmed().isEmpty())
        lacks << QStringLiteral("gli estremi");
    if (decree.administrator.trimmed().isEmpty())
        lacks << QStringLiteral("l'amministratore");
    if (lacks.isEmpty())
        return QString();
    const QString last = lacks.takeLast();
    const QString listed = lacks.isEmpty() ? last : lacks.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last;
    return (lacks.isEmpty() ? QStringLiteral("manca ") : QStringLiteral("mancano ")) + listed
        + QStringLiteral(" del decreto");
}

QString DecreeFile::kindName(CourtDecree::Kind kind)
{
    // Literals, not objects of this file: other files' statics call this before this file's
    // are built.
    return kind == CourtDecree::Kind::Revocation ? QStringLiteral("revoca") : QStringLiteral("nomina");
}

std::optional<CourtDecree::Kind> DecreeFile::kindNamed(const QString &name)
{
    for (const CourtDecree::Kind kind : {CourtDecree::Kind::Appointment, CourtDecree::Kind::Revocation}) {
        if (name == kindName(kind))
            return kind;
    }
    return std::nullopt;
}

QString DecreeFile::fileName(const QString &condoName)
{
    return QStringLiteral("Veltra-decreti-") + condoName;
}

} // namespace veltra
