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

QString prefixAddedMessage(const QString &prefix, const QString &path)
{
    return QStringLiteral("Il nome del file non inizia con \"%1\", come quello degli archivi "
                          "che l'elenco dei file mostra: il file viene salvato come %2.")
        .arg(prefix, path);
}

QString prefixAddedReplaceQuestion(const QString &prefix, const QString &path)
{
    return prefixAddedMessage(prefix, path)
        + QStringLiteral("\nQuesto file esiste già: sostituirlo?");
}

} // namespace veltra::ArchiveDialogTexts
