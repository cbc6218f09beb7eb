#include "core/meeting/meetingfile.h"

#include "core/meeting/wholefilereading.h"

namespace veltra {

namespace {

const QString FormatName = QStringLiteral("VELTRA-SEDUTA");
constexpr int FormatVersion = 1;
constexpr int MaxMovements = 2000;
constexpr int MaxPoints = 20;
constexpr int MaxParagraphs = 1000;
const QString TimeFormat = QStringLiteral("HH:mm");
const QString DateFormat = QStringLiteral("dd/MM/yyyy");

void writeAttendance(ArchiveWriter &writer, const Attendance &attendance)
{
    writer.writeInteger(int(attendance.presence));
    writer.writeText(attendance.delegate);
    writer.writeInteger(attendance.proxyShown ? 1 : 0);
    writer.endRecord();
}

void writeTexts(ArchiveWriter &writer, const QStringList &texts)
{
    for (const QString &text : texts) {
        writer.writeQuotedText(text);
        writer.endRecord();
    }
}

void writePoint(ArchiveWriter &writer, const MeetingPoint &point)
{
    const QStringList paragraphs = point.discussion.isEmpty() ? QStringList()
                                                              : point.discussion.split(QLatin1Char('\n'));
    writer.writeInteger(point.matter);
    writer.writeQuotedText(point.text);
    writer.writeInteger(point.entitled.size());
    writer.writeInteger(point.votes.size());
    writer.writeInteger(paragraphs.size());
    writer.writeInteger(point.statements.size());
    writer.endRecord();
    for (int owner : point.entitled) {
        writer.writeInteger(owner);
        writer.endRecord();
    }
    for (auto vote = point.votes.cbegin(); vote != point.votes.cend(); ++vote) {
        writer.writeInteger(vote.key());
        writer.writeInteger(int(vote.value()));
        writer.endRecord();
    }
    writeTexts(writer, paragraphs);
    writeTexts(writer, point.statements);
}

void writeRecords(ArchiveWriter &writer, const QString &condoName, const Meeting &meeting)
{
    writer.writeText(FormatName);
    writer.writeInteger(FormatVersion);
    writer.endRecord();
    writer.writeQuotedText(condoName);
    writer.writeInteger(meeting.call);
    writer.writeInteger(meeting.firstCallFailed ? 1 : 0);
    for (const QString &text : {meeting.date, meeting.opening.toString(TimeFormat),
                                meeting.closing.toString(TimeFormat), meeting.place, meeting.platform,
                                meeting.chair, meeting.secretary, meeting.administratorName,
                                meeting.noticeDate})
        writer.writeQuotedText(text);
    writer.writeInteger(meeting.noticeChecked ? 1 : 0);
    writer.endRecord();
    QList<int> attending;
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        if (meeting.attendance(owner).presence != Presence::Absent)
            attending << owner;
    }
    writer.writeInteger(attending.size());
    writer.writeInteger(meeting.movements.size());
    writer.writeInteger(meeting.points.size());
    writer.writeInteger(meeting.noticeProblems.size());
    writer.endRecord();
    writeTexts(writer, meeting.noticeProblems);
    for (int owner : attending) {
        writer.writeInteger(owner);
        writeAttendance(writer, meeting.attendance(owner));
    }
    for (const Movement &movement : meeting.movements) {
        writer.writeInteger(movement.owner);
        writer.writeQuotedText(movement.time.toString(TimeFormat));
        writer.writeInteger(movement.fromPoint);
        writeAttendance(writer, movement.attendance);
    }
    for (const MeetingPoint &point : meeting.points)
        writePoint(writer, point);
}

// Reads the file's records, failing the reader at the first field out of its range.
class MeetingRecords
{
public:
    explicit MeetingRecords(ArchiveReader &reader) : m_reader(reader) {}

    void read(MeetingFile::LoadResult &result)
    {
        const QString format = m_reader.readText();
        const int version = m_reader.readInteger();
        m_reader.endRecord();
        if (!m_reader.ok() || format != FormatName || version != FormatVersion) {
            result.problem = QStringLiteral("non è il file di una seduta di questa versione del programma");
            return;
        }
        readHeading(result);
        const int attending = count(Meeting::MaxOwners);
        const int movements = count(MaxMovements);
        const int points = count(MaxPoints);
        const int problems = count(MaxParagraphs);
        m_reader.endRecord();
        result.meeting.noticeProblems = texts(problems);
        for (int i = 0; i < attending && m_reader.ok(); ++i)
            readAttending(result.meeting);
        for (int i = 0; i < movements && m_reader.ok(); ++i)
            result.meeting.movements << readMovement(points);
        for (int i = 0; i < points && m_reader.ok(); ++i)
            result.meeting.points << readPoint();
        if (m_reader.ok() && !m_reader.atEnd()) {
            m_reader.readText();
            m_reader.fail();
        }
    }

private:
    int count(int maximum)
    {
        const int value = m_reader.readInteger();
        if (value < 0 || value > maximum)
            m_reader.fail();
        return m_reader.ok() ? value : 0;
    }

    int ranged(int minimum, int maximum)
    {
        const int value = m_reader.readInteger();
        if (value < minimum || value > maximum)
            m_reader.fail();
        return value;
    }

    QTime time()
    {
        const QString text = m_reader.readText();
        const QTime value = QTime::fromString(text, TimeFormat);
        if (!text.isEmpty() && !value.isValid())
            m_reader.fail();
        return value;
    }

    QString date()
    {
        const QString text = m_reader.readText();
        if (!text.isEmpty() && !QDate::fromString(text, DateFormat).isValid())
            m_reader.fail();
        return text;
    }

    void readHeading(MeetingFile::LoadResult &result)
    {
        Meeting &meeting = result.meeting;
        result.condoName = m_reader.readText();
        meeting.call = ranged(1, 2);
        meeting.firstCallFailed = ranged(0, 1) == 1;
        meeting.date = date();
        meeting.opening = time();
        meeting.closing = time();
        for (QString *text : {&meeting.place, &meeting.platform, &meeting.chair, &meeting.secretary,
                              &meeting.administratorName})
            *text = m_reader.readText();
        meeting.noticeDate = date();
        meeting.noticeChecked = ranged(0, 1) == 1;
        m_reader.endRecord();
    }

    Attendance readAttendance(int lowestPresence)
    {
        Attendance attendance;
        attendance.presence = Presence(ranged(lowestPresence, 2));
        attendance.delegate = m_reader.readText();
        attendance.proxyShown = ranged(0, 1) == 1;
        if (attendance.presence == Presence::Delegated && attendance.delegate.isEmpty())
            m_reader.fail();
        m_reader.endRecord();
        return attendance;
    }

    void readAttending(Meeting &meeting)
    {
        const int owner = ranged(1, Meeting::MaxOwners);
        if (m_reader.ok() && meeting.attendance(owner).presence != Presence::Absent)
            m_reader.fail();
        const Attendance attendance = readAttendance(1);
        if (m_reader.ok())
            meeting.attendance(owner) = attendance;
    }

    Movement readMovement(int points)
    {
        Movement movement;
        movement.owner = ranged(1, Meeting::MaxOwners);
        movement.time = time();
        movement.fromPoint = ranged(1, qMax(points, 1));
        movement.attendance = readAttendance(0);
        return movement;
    }

    QStringList texts(int number)
    {
        QStringList list;
        for (int i = 0; i < number && m_reader.ok(); ++i) {
            list << m_reader.readText();
            m_reader.endRecord();
        }
        return list;
    }

    MeetingPoint readPoint()
    {
        MeetingPoint point;
        point.matter = ranged(0, 99);
        point.text = m_reader.readText();
        const int entitled = count(Meeting::MaxOwners);
        const int votes = count(Meeting::MaxOwners);
        const int paragraphs = count(MaxParagraphs);
        const int statements = count(MaxParagraphs);
        m_reader.endRecord();
        for (int i = 0; i < entitled && m_reader.ok(); ++i) {
            point.entitled << ranged(1, Meeting::MaxOwners);
            m_reader.endRecord();
        }
        for (int i = 0; i < votes && m_reader.ok(); ++i) {
            const int owner = ranged(1, Meeting::MaxOwners);
            const Vote vote = Vote(ranged(1, 3));
            if (m_reader.ok() && point.votes.contains(owner))
                m_reader.fail();
            point.votes.insert(owner, vote);
            m_reader.endRecord();
        }
        point.discussion = texts(paragraphs).join(QLatin1Char('\n'));
        point.statements = texts(statements);
        return point;
    }

    ArchiveReader &m_reader;
};

void readRecords(ArchiveReader &reader, MeetingFile::LoadResult &result)
{
    MeetingRecords(reader).read(result);
}

} // namespace

MeetingFile::LoadResult MeetingFile::load(const QString &path)
{
    return WholeFileReading::load<LoadResult>(path, readRecords);
}

MeetingFile::LoadResult MeetingFile::read(const QByteArray &bytes)
{
    return WholeFileReading::fromBytes<LoadResult>(bytes, readRecords);
}

QByteArray MeetingFile::bytes(const QString &condoName, const Meeting &meeting)
{
    ArchiveWriter writer;
    writeRecords(writer, condoName, meeting);
    return WholeFileReading::bytesOf(writer);
}

bool MeetingFile::save(const QString &condoName, const Meeting &meeting, const QString &path,
                       QString *error)
{
    ArchiveWriter writer;
    writeRecords(writer, condoName, meeting);
    return WholeFileReading::commit(writer, path, error);
}

QString MeetingFile::fileName(const QString &condoName, const QDate &date)
{
    return QStringLiteral("Veltra-seduta-%1- %2").arg(condoName, date.toString(Qt::ISODate));
}

} // namespace veltra
