#include "noticeloader.h"

#include "toolcommand.h"

#include "core/assembly/noticearchive.h"

namespace veltra {

int NoticeLoader::load(const QString &path, MeetingNotice &notice, QTextStream &err)
{
    const NoticeArchive::LoadResult result = NoticeArchive::load(path);
    if (!result.opened) {
        err << notOpenedLine(path, result.problem);
        return ExitUnreadableFile;
    }
    if (!result.isComplete()) {
        err << "veltra-tool: il file \"" << path
            << "\" non è un avviso di convocazione leggibile (errore alla riga "
            << result.failedLine << ")" << causeText(result.problem) << "\n";
        return ExitUnreadableFile;
    }
    notice = result.notice;
    return ExitSuccess;
}

} // namespace veltra
