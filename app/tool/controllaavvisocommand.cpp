#include "controllaavvisocommand.h"

#include "noticeloader.h"

#include "core/assembly/meetingnotice.h"
#include "core/assembly/noticecheck.h"

namespace veltra {

int ControllaAvvisoCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 1) {
        err << "veltra-tool: uso: veltra-tool " << name() << " " << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    MeetingNotice notice;
    const int loaded = NoticeLoader::load(arguments.first(), notice, err);
    if (loaded != ExitSuccess)
        return loaded;
    const NoticeCheck::Finding finding = NoticeCheck::check(notice);
    out << finding.text << "\n";
    return finding.passed ? ExitSuccess : ExitDataRejected;
}

} // namespace veltra
