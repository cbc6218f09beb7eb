#include "core/assembly/noticearchive.h"

#include "core/archive/archivereader.h"
#include "core/archive/archivewriter.h"

#include <array>

namespace veltra {

namespace {

constexpr int TextCount = 12;

// The twelve texts in the order of the file's first line; for a const notice, read-only.
template<typename Notice>
auto textFields(Notice &notice)
{
    return std::array{&notice.subject,        &notice.number,          &notice.openingText,
                      &notice.firstCallDate,  &notice.firstCallHour,   &notice.firstCallPlace,
                      &notice.secondCallDate, &notice.secondCallHour,  &notice.secondCallPlace,
                      &notice.agendaHeading,  &notice.noticeDate,      &notice.notes};
}

// How the user knows each text, in the order of textFields().
const std::array<const char *, TextCount> TextNames = {
    "l'oggetto",
    "il numero dell'assemblea",
    "il testo dell'avviso",
    "la data della prima convocazione",
    "l'ora della prima convocazione",
    "il luogo della prima convocazione",
    "la data della seconda convocazione",
    "l'ora della seconda convocazione",
    "il luogo della seconda convocazione",
    "il motivo della convocazione",
    "la data dell'avviso",
    "le note"};

void fill(ArchiveWriter &writer, const MeetingNotice &notice)
{
    for (const QString *text : textFields(notice))
        writer.writeQuotedText(*text);
    writer.endRecord();
    for (int j = 1; j <= MeetingNotice::AgendaPoints; ++j) {
        if (notice.agendaPointTyped(j))
            writer.writeQuotedText(notice.agendaPoint(j));
        else
            writer.writeEmpty();
        writer.endRecord();
    }
}

NoticeArchive::LoadResult readFrom(ArchiveReader &reader)
{
    NoticeArchive::LoadResult result;
    result.opened = true;
    MeetingNotice notice;
    for (QString *text : textFields(notice))
        *text = reader.readText();
    reader.endRecord();
    for (int j = 1; j <= MeetingNotice::AgendaPoints && reader.ok(); ++j) {
        const std::optional<QString> point = reader.readOptionalText();
        if (point)
            notice.setAgendaPoint(j, *point);
        reader.endRecord();
    }
    // A line after the twentieth point belongs to no notice: it would be lost without a word
    // at the next save.
    if (reader.ok() && !reader.atEnd())
        reader.fail();
    result.failedLine = reader.failedLine();
    result.problem = reader.problem();
    if (result.isComplete())
        result.notice = notice;
    return result;
}

} // namespace

NoticeArchive::LoadResult NoticeArchive::load(const QString &path)
{
    ArchiveReader reader;
    if (!reader.open(path)) {
        LoadResult result;
        result.problem = reader.problem();
        return result;
    }
    return readFrom(reader);
}

NoticeArchive::LoadResult NoticeArchive::read(const QByteArray &bytes)
{
    ArchiveReader reader(bytes);
    return readFrom(reader);
}

QByteArray NoticeArchive::bytes(const MeetingNotice &notice)
{
    ArchiveWriter writer;
    fill(writer, notice);
    return writer.bytes();
}

bool NoticeArchive::save(const MeetingNotice &notice, const QString &path, QString *error)
{
    ArchiveWriter writer;
    fill(writer, notice);
    const bool written = writer.commit(path);
    if (!written && error)
        *error = writer.errorString();
    return written;
}

std::optional<NoticeArchive::UnwritableField>
NoticeArchive::firstUnwritableField(const MeetingNotice &notice)
{
    const auto fields = textFields(notice);
    for (int f = 0; f < TextCount; ++f) {
        const QString reason = ArchiveWriter::unwritableReason(*fields[f]);
        if (!reason.isEmpty())
            return UnwritableField{QString::fromUtf8(TextNames[f]), reason};
    }
    for (int j = 1; j <= MeetingNotice::AgendaPoints; ++j) {
        const QString reason = ArchiveWriter::unwritableReason(notice.agendaPoint(j));
        if (!reason.isEmpty())
            return UnwritableField{
                QStringLiteral("il punto %1 dell'ordine del giorno").arg(j), reason};
    }
    return std::nullopt;
}

} // namespace veltra
