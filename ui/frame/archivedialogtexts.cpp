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

QString saveFailedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Non è stato possibile scrivere il file %1 (%2): il file precedente "
                          "è rimasto invariato.")
        .arg(path, reason);
}

QString notOpenedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Il file %1 non è stato aperto: %2.").arg(path, reason);
}

QString changedElsewhereQuestion(const QString &path)
{
    return QString::fromUtf8("Il file %1 è stato modificato da un altro programma dopo che "
                             "questa finestra lo ha aperto o salvato.\nSovrascriverlo perdendo "
                             "quelle modifiche, salvare con un altro nome o annullare il "
                             "salvataggio?")
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

QStringList changedElsewhereButtons()
{
    return {QStringLiteral("Sovrascrivi"), QStringLiteral("Salva con nome"),
            QStringLiteral("Annulla")};
}

QStringList unsavedChangesButtons()
{
    return {QStringLiteral("Salva"), QStringLiteral("Non salvare"), QStringLiteral("Annulla")};
}

} // namespace veltra::ArchiveDialogTexts
