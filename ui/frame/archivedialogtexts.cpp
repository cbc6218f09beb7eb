#include "ui/frame/archivedialogtexts.h"

namespace veltra::ArchiveDialogTexts {

QString openTitle()
{
    return QStringLiteral("Apri file");
}

QString saveAsTitle()
{
    return QStringLiteral("Salva file con nome");
}

QString saveFailedMessage(const QString &path)
{
    return QStringLiteral("Non è stato possibile scrivere il file %1: il file precedente è "
                          "rimasto invariato.")
        .arg(path);
}

} // namespace veltra::ArchiveDialogTexts
