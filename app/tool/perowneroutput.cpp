#include "perowneroutput.h"

#include "toolcommand.h"

#include "reports/document/ownerfilename.h"
#include "reports/document/reportdocument.h"

#include <QDir>

namespace veltra {

const QStringList &PerOwnerOutput::letterKinds()
{
    static const QStringList kinds = {QStringLiteral("avvisi"), QStringLiteral("convocazione"),
                                      QStringLiteral("ricevute"), QStringLiteral("solleciti")};
    return kinds;
}

int PerOwnerOutput::write(const ReportDocument &document, const QString &folder,
                          QTextStream &out, QTextStream &err)
{
    if (!QDir().mkpath(folder)) {
        err << "veltra-tool: impossibile creare la cartella \"" << folder << "\"\n";
        return ExitUnreadableFile;
    }
    const QVector<OwnerLetterMark> &letters = document.ownerLetters();
    for (int index = 0; index < letters.size(); ++index) {
        const QString path = QDir(folder).filePath(
            OwnerFileName::of(letters[index].owner, letters[index].ownerName, QStringLiteral(".pdf")));
        if (!document.ownerLetter(index).saveAs(path)) {
            err << "veltra-tool: impossibile scrivere il documento \"" << path << "\"\n";
            return ExitUnreadableFile;
        }
        out << QDir::toNativeSeparators(path) << "\n";
    }
    return ExitSuccess;
}

} // namespace veltra
