#include "core/expenses/expenseseries.h"

#include "core/expenses/datefaults.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/expensefilename.h"
#include "core/expenses/expenseallocation.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/numbers/numbertext.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace veltra {

namespace {

const QString OpenFilter = QStringLiteral(
    "Tutti i file (*.*) | *.*|File Veltra-spese- | Veltra-spese-*|File Veltra-preventivi- | "
    "Veltra-preventivi-*");
const QString DeleteFilter =
    QStringLiteral("Tutti i file (*.*)|*.*|File Veltra-spese- | Veltra-spese-*");

// A condominium name is part of every file name of its series: a folder separator in it
// would send the file elsewhere.
std::optional<QChar> fileNameBreaker(const QString &condoName)
{
    for (const QChar c : condoName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QChar(0))
            return c;
    }
    return std::nullopt;
}

} // namespace

ExpenseSeries::ExpenseSeries(SharedState &state)
    : m_state(state)
{
}

void ExpenseSeries::clear()
{
    m_type = ManagementType::None;
    m_currentFileName.clear();
    m_reopenRequested = false;
}

QString ExpenseSeries::folder() const
{
    if (m_currentFileName.isEmpty())
        return QDir::currentPath();
    return QFileInfo(m_currentFileName).absolutePath();
}

std::optional<QString> ExpenseSeries::pathOf(int k, const QString &date) const
{
    const std::optional<int> year = ExpenseFileName::yearOf(date);
    if (m_type == ManagementType::None || !year || k < 1 || k > MaxItems)
        return std::nullopt;
    return QDir(folder()).filePath(ExpenseFileName::build(m_type, m_state.condoName, *year, k));
}

std::optional<QString> ExpenseSeries::nameOf(int k) const
{
    return pathOf(k, m_state.item(1).expenseDate);
}

std::optional<QString> ExpenseSeries::saveNameOf(int k) const
{
    if (k < 1 || k > MaxItems)
        return std::nullopt;
    return pathOf(k, m_state.item(k).expenseDate);
}

QString ExpenseSeries::chooseFirstFile(Platform &platform, const QString &notFirstMessage) const
{
    FileDialogRequest request;
    request.title = QStringLiteral("Apri file");
    request.filter = OpenFilter;
    request.selectedFilter = m_type == ManagementType::Spese ? 2 : 3;
    for (;;) {
        const QString chosen = platform.openFileName(request);
        if (chosen.isEmpty() || chosen.endsWith(QLatin1Char('1')))
            return chosen;
        platform.showMessage(MessageIcon::Critical, m_state.texts.checkTitle, notFirstMessage);
    }
}

ExpenseSeries::OpenResult ExpenseSeries::open(int k, Platform &platform)
{
    OpenResult result;
    if (m_type == ManagementType::None) {
        platform.showMessage(MessageIcon::Critical, m_state.texts.checkTitle, noTypeMessage());
        result.outcome = OpenOutcome::NoType;
        return result;
    }
    const bool reopen = m_reopenRequested;
    m_reopenRequested = false;
    if (m_currentFileName.isEmpty() && k == 1 && !reopen) {
        result.fileName = chooseFirstFile(platform, notFirstFileMessage());
        if (result.fileName.isEmpty()) {
            result.outcome = OpenOutcome::Cancelled;
            return result;
        }
    } else if (!m_currentFileName.isEmpty()) {
        result.fileName = nameOf(k).value_or(QString());
    }
    if (result.fileName.isEmpty())
        return result;
    m_currentFileName = result.fileName;
    const bool withPayments = m_type == ManagementType::Spese;
    const ExpenseArchive::LoadResult loaded = ExpenseArchive::load(result.fileName, withPayments);
    if (!loaded.opened && !QFileInfo::exists(result.fileName)) {
        result.outcome = OpenOutcome::Missing;
        return result;
    }
    MeterReadingsFile::LoadResult readings;
    if (loaded.isComplete()) {
        if (const std::optional<QString> refusal =
                MeterReadingsFile::readBeside(result.fileName, loaded, readings)) {
            result.outcome = OpenOutcome::Unreadable;
            result.problem = *refusal;
            return result;
        }
    }
    if (!ExpenseArchive::apply(loaded, m_state, k, withPayments)) {
        result.outcome = OpenOutcome::Unreadable;
        result.failedLine = loaded.failedLine;
        result.problem = QString::fromUtf8("Il file \"%1\" non è stato letto: %2.")
                             .arg(QFileInfo(result.fileName).fileName(),
                                  loaded.problem.isEmpty() ? QStringLiteral("non può essere aperto")
                                                           : loaded.problem);
        return result;
    }
    MeterReadingsFile::applyWithItem(loaded, readings, m_state);
    result.outcome = OpenOutcome::Opened;
    return result;
}

std::optional<QString> ExpenseSeries::saveRefusal(int k) const
{
    if (m_type == ManagementType::None)
        return QStringLiteral("Scegliere il tipo di gestione dei dati (preventivi o spese).");
    if (k < 1 || k > MaxItems)
        return QStringLiteral("La spesa n.%1 non esiste: le spese vanno da 1 a 200.").arg(k);
    const QString &date = m_state.item(k).expenseDate;
    if (const std::optional<QString> fault = DateFaults::itemDate(k, date))
        return *fault;
    if (!ExpenseFileName::yearOf(date)) {
        return QString::fromUtf8("La spesa n.%1 non ha la data: senza l'anno il file della "
                                 "spesa non può essere salvato.")
            .arg(NumberText::str(k));
    }
    if (const std::optional<QChar> breaker = fileNameBreaker(m_state.condoName)) {
        return QString::fromUtf8("Il file non è stato salvato: il nome del condominio "
                                 "contiene il carattere \"%1\", che non può far parte del "
                                 "nome di un file; correggere il nome nella finestra Dati.")
            .arg(*breaker);
    }
    const std::optional<ExpenseArchive::UnwritableField> unwritable =
        ExpenseArchive::firstUnwritableField(m_state, k, m_type == ManagementType::Spese);
    if (unwritable) {
        return QString::fromUtf8("Il file non è stato salvato: %1 %2; correggere il dato e "
                                 "salvare di nuovo.")
            .arg(unwritable->field, unwritable->reason);
    }
    if (m_type == ManagementType::Spese) {
        if (const std::optional<QString> fault = DateFaults::ledgerDates(m_state, k))
            return *fault;
    }
    return std::nullopt;
}

bool ExpenseSeries::save(int k, QString *error)
{
    if (const std::optional<QString> refusal = saveRefusal(k)) {
        if (error)
            *error = *refusal;
        return false;
    }
    const QString path = *saveNameOf(k);
    QString reason;
    // The readings go first: an item of criterion 7 is never left on disk without them.
    if (m_state.calcType == MeteredHeating
        && !MeterReadingsFile::save(m_state, MeterReadingsFile::companionPath(path), &reason)) {
        if (error) {
            *error = QString::fromUtf8("Il file delle letture \"%1\" non è stato salvato: %2.")
                         .arg(QFileInfo(MeterReadingsFile::companionPath(path)).fileName(), reason);
        }
        return false;
    }
    if (!ExpenseArchive::save(m_state, k, m_type == ManagementType::Spese, path, &reason)) {
        if (error) {
            *error = QString::fromUtf8("Il file \"%1\" non è stato salvato: %2.")
                         .arg(QFileInfo(path).fileName(), reason);
        }
        return false;
    }
    m_currentFileName = path;
    return true;
}

ExpenseSeries::CountResult ExpenseSeries::count()
{
    CountResult result;
    for (int j = 1; j <= MaxItems; ++j) {
        const std::optional<QString> name = nameOf(j);
        if (!name)
            return result;
        result.named = true;
        m_currentFileName = *name;
        QFile file(*name);
        if (!file.open(QIODevice::ReadOnly)) {
            result.firstFree = j;
            return result;
        }
        result.lastExisting = j;
    }
    return result;
}

bool ExpenseSeries::deleteFile(Platform &platform) const
{
    FileDialogRequest request;
    request.title = m_state.texts.deleteDialogTitle;
    request.filter = DeleteFilter;
    request.selectedFilter = 2;
    const QString chosen = platform.openFileName(request);
    if (chosen.isEmpty() || !QFile::remove(chosen))
        return false;
    // The readings of an item by heat meters belong to it alone.
    QFile::remove(MeterReadingsFile::companionPath(chosen));
    return true;
}

QString ExpenseSeries::noTypeMessage()
{
    return QStringLiteral("Scegliere il tipo di gestione (preventivi o spese).");
}

QString ExpenseSeries::notFirstFileMessage()
{
    return QStringLiteral("Bisogna aprire il primo file.");
}

QString ExpenseSeries::seriesFullMessage()
{
    return QString::fromUtf8("La serie contiene già 200 spese, il numero massimo: la spesa "
                             "corrente non può essere copiata alla fine.");
}

} // namespace veltra
