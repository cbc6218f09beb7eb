#include "reports/document/ownerletterfiles.h"

#include "reports/document/ownerfilename.h"
#include "reports/document/reportdocument.h"

#include <QDir>

namespace veltra {

QStringList OwnerLetterFiles::write(const ReportDocument &document, const QString &folder,
                                    QString *failed)
{
    QStringList written;
    if (!QDir().mkpath(folder)) {
        *failed = folder;
        return written;
    }
    const QVector<OwnerLetterMark> &letters = document.ownerLetters();
    for (int index = 0; index < letters.size(); ++index) {
        const QString path = QDir(folder).filePath(
            OwnerFileName::of(letters[index].owner, letters[index].ownerName, QStringLiteral(".pdf")));
        if (!document.ownerLetter(index).saveAs(path)) {
            *failed = path;
            return written;
        }
        written << path;
    }
    return written;
}

} // namespace veltra
