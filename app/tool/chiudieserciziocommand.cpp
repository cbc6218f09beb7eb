#include "chiudieserciziocommand.h"

#include "finalaccountloader.h"
#include "toolplatform.h"

namespace veltra {

namespace {

const QString Reopen = QStringLiteral("--riapri");

} // namespace

QString ChiudiEsercizioCommand::argumentsSynopsis() const
{
    return FinalAccountLoader::synopsis() + QStringLiteral(" [--riapri MOTIVO]");
}

int ChiudiEsercizioCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList files = arguments;
    QString reason;
    const qsizetype reopen = files.indexOf(Reopen);
    if (reopen >= 0) {
        if (reopen + 1 >= files.size()) {
            err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
            return ExitBadArguments;
        }
        reason = files.at(reopen + 1);
        files.remove(reopen, 2);
    }
    FinalAccountLoader loader;
    if (const int loaded = loader.load(name(), files, err))
        return loaded;
    const QDate today = ToolPlatform(QString()).today();
    const int year = loader.year().accounts().year;
    QString error;
    QString next;
    const bool done = reopen >= 0 ? loader.yearEnd().reopen(loader.year(), reason, today, &error)
                                  : loader.yearEnd().close(loader.year(), loader.state(), today, &error, &next);
    if (!done) {
        err << "veltra-tool: " << error << "\n";
        return ExitDataRejected;
    }
    if (reopen >= 0)
        out << "esercizio " << year << " riaperto: " << reason.trimmed() << "\n";
    else
        out << "esercizio " << year << " chiuso; saldi riportati in \"" << next << "\"\n";
    return ExitSuccess;
}

} // namespace veltra
