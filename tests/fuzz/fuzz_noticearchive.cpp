// The meeting-notice file: any bytes are read; a file read completely is saved, read back
// and saved to the same bytes, and checked.

#include "fuzzcheck.h"

#include "core/assembly/noticearchive.h"
#include "core/assembly/noticecheck.h"

using namespace veltra;

namespace {

void requireFixedPoint(const MeetingNotice &notice)
{
    const QByteArray saved = NoticeArchive::bytes(notice);
    fuzz::require(saved.count("\r\n") == 1 + MeetingNotice::AgendaPoints,
                  "a notice is saved as its line of texts and twenty points",
                  QString::fromLatin1(saved));
    if (fuzz::readsAsUtf8(saved))
        return;
    const NoticeArchive::LoadResult again = NoticeArchive::read(saved);
    fuzz::require(again.isComplete(), "a saved notice reads back completely",
                  QString::fromLatin1(saved));
    fuzz::require(NoticeArchive::bytes(again.notice) == saved, "saving is a fixed point",
                  QString::fromLatin1(saved));
    for (int j = 1; j <= MeetingNotice::AgendaPoints; ++j)
        fuzz::require(again.notice.agendaPointTyped(j) == notice.agendaPointTyped(j),
                      "a point typed and emptied stays apart from one never typed");
}

void requireCheckSpeaks(const MeetingNotice &notice)
{
    const NoticeCheck::Finding finding = NoticeCheck::check(notice);
    fuzz::require(finding.passed == finding.problems.isEmpty(),
                  "the check passes exactly when it finds nothing");
    fuzz::require(finding.passed ? finding.text == NoticeCheck::passedText()
                                 : finding.text.count(QLatin1Char('\n')) + 1
                                       == finding.problems.size(),
                  "the message lists every problem, one per line", finding.text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const NoticeArchive::LoadResult loaded = NoticeArchive::read(fuzz::inputBytes(data, size));
    fuzz::require(loaded.isComplete() || loaded.failedLine >= 1, "a failure names its line");
    if (!loaded.isComplete())
        return 0;
    requireCheckSpeaks(loaded.notice);
    // Texts read from a UTF-8 file may hold characters the code page cannot carry; the
    // window then names the field instead of saving.
    if (NoticeArchive::firstUnwritableField(loaded.notice))
        return 0;
    requireFixedPoint(loaded.notice);
    return 0;
}
