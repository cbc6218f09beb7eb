#include "perowneroutput.h"

#include "toolcommand.h"

#include "reports/document/ownerletterfiles.h"

#include <QDir>

namespace veltra {

const QStringList &PerOwnerOutput::letterKinds()
{
    static const QStringList kinds = {QStringLiteral("avvisi"), QStringLiteral("consumi"),
                                      QStringLiteral("convocazione"),
                                      QStringLiteral("ricevute"), QStringLiteral("richiesta-dati"),
                                      QStringLiteral("solleciti")};
    return kinds;
}

int PerOwnerOutput::write(const ReportDocument &document, const QString &folder,
                          QTextStream &out, QTextStream &err)
{
    QString failed;
    const QStringList written = OwnerLetterFiles::write(document, folder, &failed);
    for (const QString &path : written)
        out << QDir::toNativeSeparators(path) << "\n";
    if (failed == folder) {
        err << "veltra-tool: impossibile creare la cartella \"" << folder << "\"\n";
        return ExitUnreadableFile;
    }
    if (!failed.isEmpty()) {
        err << "veltra-tool: impossibile scrivere il documento \"" << failed << "\"\n";
        return ExitUnreadableFile;
    }
    return ExitSuccess;
}

} // namespace veltra
