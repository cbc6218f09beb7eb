#include "finalaccountloader.h"

#include "accountsloader.h"
#include "meetinginput.h"
#include "registryloader.h"
#include "toolcommand.h"

#include "core/accounts/accountsfile.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/expensefilename.h"

#include <QFileInfo>

namespace veltra {

namespace {

const QString Data = QStringLiteral("--dati");
const QString Spese = QStringLiteral("--spese");
const QString Register = QStringLiteral("--contabilita");

bool sameFile(const QString &a, const QString &b)
{
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString FinalAccountLoader::synopsis()
{
    return QStringLiteral("--dati DATI --spese PRIMA_VOCE [--contabilita REGISTRO]");
}

int FinalAccountLoader::load(const QString &commandName, const QStringList &arguments, QTextStream &err)
{
    const auto options = MeetingInput::readOptions(arguments, {Data, Spese, Register}, {}, {Data, Spese});
    if (!options) {
        err << "veltra-tool: uso: veltra-tool " << commandName << ' ' << synopsis() << "\n";
        return ExitBadArguments;
    }
    const QString archive = options->value(Data);
    const QString firstItem = options->value(Spese);
    const ExpenseArchive::LoadResult item = ExpenseArchive::load(firstItem, true);
    const std::optional<int> seriesYear = item.isComplete() ? ExpenseFileName::yearOf(item.expenseDate) : std::nullopt;
    if (!seriesYear) {
        err << "veltra-tool: la prima voce delle spese \"" << firstItem << "\" non si legge o non ha una data"
            << causeText(item.problem) << "\n";
        return ExitUnreadableFile;
    }
    const QString registerPath = options->value(Register, AccountsFile::pathBeside(archive, *seriesYear));
    if (!QFileInfo::exists(registerPath)) {
        err << notOpenedLine(registerPath, QStringLiteral("il registro di contabilità non c'è"));
        return ExitUnreadableFile;
    }
    if (const int loaded = AccountsLoader::load(commandName, registerPath, *m_state, m_year, err))
        return loaded;
    return check(archive, firstItem, err);
}

// The three files must be of one condominium and one year: a figure computed from another
// archive's owners or another year's items would be wrong without showing it.
int FinalAccountLoader::check(const QString &archive, const QString &firstItem, QTextStream &err)
{
    if (!sameFile(archive, m_year.archivePath())) {
        err << "veltra-tool: il registro \"" << m_year.path() << "\" è di un altro archivio (\""
            << m_year.archivePath() << "\")\n";
        return ExitDataRejected;
    }
    if (m_year.series().items.isEmpty() || !sameFile(firstItem, m_year.series().items.first().path)) {
        err << "veltra-tool: \"" << firstItem << "\" non è la prima voce delle spese dell'esercizio "
            << m_year.accounts().year << " del registro" << causeText(m_year.series().problem) << "\n";
        return ExitDataRejected;
    }
    QString problem;
    if (!m_yearEnd.load(m_year, &problem)) {
        err << "veltra-tool: " << problem << "\n";
        return ExitUnreadableFile;
    }
    return ExitSuccess;
}

} // namespace veltra
