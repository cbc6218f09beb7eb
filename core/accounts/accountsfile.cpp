#include "core/accounts/accountsfile.h"

#include "core/archive/archivewriter.h"
#include "core/archive/companionfile.h"
#include "core/archive/fieldreading.h"
#include "core/meeting/wholefilereading.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <climits>

namespace veltra {

namespace {

const QString FormatName = QStringLiteral("VELTRA-CONTABILITA");
constexpr int FormatVersion = 1;
const QString DateFormat = QStringLiteral("dd/MM/yyyy");
const QString AccountKind = QStringLiteral("conto");
const QString OwnerKind = QStringLiteral("condomino");
const QString MovementKind = QStringLiteral("movimento");
const QString ReceiptWord = QStringLiteral("entrata");
const QString PaymentWord = QStringLiteral("uscita");
constexpr int MaxAccounts = 20;
constexpr int MaxMovements = 1000000;

void writeDate(ArchiveWriter &writer, const QDate &date)
{
    writer.writeQuotedText(date.toString(DateFormat));
}

void writeHeader(ArchiveWriter &writer, const AccountsRegister &accounts)
{
    writer.writeText(FormatName);
    writer.writeInteger(FormatVersion);
    writer.endRecord();
    writer.writeQuotedText(accounts.condoName);
    writer.writeInteger(accounts.year);
    writeDate(writer, accounts.firstDay);
    writer.writeInteger(accounts.closed ? 1 : 0);
    writer.endRecord();
    for (const LedgerAccount &account : accounts.accounts) {
        writer.writeText(AccountKind);
        writer.writeQuotedText(account.name);
        writer.writeQuotedText(account.iban);
        writer.writeInteger(account.cash ? 1 : 0);
        writer.writeInteger(account.openingCents);
        writer.writeQuotedText(account.statementColumns);
        writer.endRecord();
    }
    QList<int> owners = accounts.ownerNames.keys();
    for (int owner : accounts.ownerOpenings.keys()) {
        if (!owners.contains(owner))
            owners << owner;
    }
    std::sort(owners.begin(), owners.end());
    for (int owner : owners) {
        writer.writeText(OwnerKind);
        writer.writeInteger(owner);
        writer.writeQuotedText(accounts.ownerNames.value(owner));
        writer.writeInteger(accounts.ownerOpenings.value(owner));
        writer.endRecord();
    }
}

void writeMovement(ArchiveWriter &writer, const AccountMovement &movement)
{
    writer.writeText(MovementKind);
    writer.writeInteger(movement.number);
    writeDate(writer, movement.operationDate);
    writeDate(writer, movement.registrationDate);
    writer.writeInteger(movement.account);
    writer.writeText(movement.receipt ? ReceiptWord : PaymentWord);
    writer.writeInteger(movement.cents);
    writer.writeInteger(movement.owner);
    writer.writeQuotedText(movement.supplier);
    writer.writeQuotedText(movement.supplierCode);
    writer.writeText(MovementCauses::word(movement.cause));
    writer.writeInteger(movement.item);
    writer.writeQuotedText(movement.description);
    writer.writeQuotedText(movement.document);
    writer.writeQuotedText(movement.note);
    writer.writeQuotedText(movement.statementLine);
    writer.endRecord();
}

void writeAll(ArchiveWriter &writer, const AccountsRegister &accounts)
{
    writeHeader(writer, accounts);
    for (const AccountMovement &movement : accounts.movements())
        writeMovement(writer, movement);
}

class RegisterReading
{
public:
    RegisterReading(ArchiveReader &reader, AccountsFile::LoadResult &result)
        : m_reader(reader)
        , m_result(result)
        , m_reading(reader, result.problem)
    {
    }

    void read()
    {
        readHeader();
        QList<AccountMovement> movements;
        while (m_reading.ok() && !m_reader.atEnd()) {
            const QString kind = m_reading.text(QStringLiteral("il tipo di riga"));
            if (kind == AccountKind && movements.isEmpty() && m_result.accounts.ownerNames.isEmpty())
                readAccount();
            else if (kind == OwnerKind && movements.isEmpty())
                readOwner();
            else if (kind == MovementKind && movements.size() < MaxMovements)
                movements << readMovement(movements);
            else
                m_reading.refuse(QStringLiteral("il tipo di riga"),
                                 QStringLiteral("\"%1\" non è atteso qui").arg(FieldReading::quoted(kind)));
        }
        m_result.accounts.setMovements(movements);
    }

private:
    void readHeader()
    {
        const QString format = m_reading.text(QStringLiteral("la riga di formato"));
        if (m_reading.ok() && format != FormatName)
            m_reading.refuse(QStringLiteral("la riga di formato"),
                             QStringLiteral("non è un registro di contabilità"));
        m_reading.ranged(QStringLiteral("la versione del formato"), FormatVersion, FormatVersion);
        m_reading.endRecord(QStringLiteral("la versione del formato"));
        AccountsRegister &accounts = m_result.accounts;
        accounts.condoName = m_reading.text(QStringLiteral("il nome del condominio"));
        accounts.year = m_reading.ranged(QStringLiteral("l'anno"), 1900, 9999);
        accounts.firstDay = date(QStringLiteral("il primo giorno dell'esercizio"));
        accounts.closed = m_reading.ranged(QStringLiteral("la chiusura dell'esercizio"), 0, 1) == 1;
        m_reading.endRecord(QStringLiteral("la chiusura dell'esercizio"));
    }

    QDate date(const QString &field)
    {
        const QString text = m_reading.text(field);
        const QDate day = QDate::fromString(text, DateFormat);
        if (!day.isValid())
            m_reading.refuse(field, QStringLiteral("\"%1\" non è una data gg/mm/aaaa").arg(FieldReading::quoted(text)));
        return day;
    }

    void readAccount()
    {
        AccountsRegister &accounts = m_result.accounts;
        if (accounts.accounts.size() >= MaxAccounts)
            m_reading.refuse(QStringLiteral("il conto"), QStringLiteral("troppi conti"));
        LedgerAccount account;
        account.name = m_reading.text(QStringLiteral("il nome del conto"));
        account.iban = m_reading.text(QStringLiteral("l'IBAN del conto"));
        account.cash = m_reading.ranged(QStringLiteral("il tipo del conto"), 0, 1) == 1;
        account.openingCents = m_reading.ranged(QStringLiteral("il saldo iniziale del conto"), -INT_MAX, INT_MAX);
        account.statementColumns = m_reading.text(QStringLiteral("le colonne dell'estratto conto"));
        m_reading.endRecord(QStringLiteral("le colonne dell'estratto conto"));
        accounts.accounts << account;
    }

    void readOwner()
    {
        AccountsRegister &accounts = m_result.accounts;
        const int first = accounts.ownerNames.isEmpty() ? 1 : accounts.ownerNames.lastKey() + 1;
        const int owner = m_reading.ranged(QStringLiteral("il numero del condomino"), first, MaxOwners);
        const QString name = m_reading.text(QStringLiteral("il nome del condomino"));
        const int opening = m_reading.ranged(QStringLiteral("il saldo iniziale del condomino"), -INT_MAX, INT_MAX);
        m_reading.endRecord(QStringLiteral("il saldo iniziale del condomino"));
        accounts.ownerNames.insert(owner, name);
        if (opening != 0)
            accounts.ownerOpenings.insert(owner, opening);
    }

    AccountMovement readMovement(const QList<AccountMovement> &before)
    {
        const int last = before.isEmpty() ? 0 : before.last().number;
        AccountMovement movement;
        movement.number = m_reading.ranged(QStringLiteral("il numero del movimento"), last + 1, MaxMovements);
        movement.operationDate = date(QStringLiteral("la data dell'operazione"));
        movement.registrationDate = date(QStringLiteral("la data di registrazione"));
        movement.account = m_reading.ranged(QStringLiteral("il conto del movimento"), 1,
                                            std::max(1, int(m_result.accounts.accounts.size())));
        if (m_result.accounts.accounts.isEmpty())
            m_reading.refuse(QStringLiteral("il conto del movimento"), QStringLiteral("il registro non ha conti"));
        const QString kind = m_reading.text(QStringLiteral("il tipo del movimento"));
        if (kind != ReceiptWord && kind != PaymentWord)
            m_reading.refuse(QStringLiteral("il tipo del movimento"), QStringLiteral("né entrata né uscita"));
        movement.receipt = kind == ReceiptWord;
        movement.cents = m_reading.ranged(QStringLiteral("l'importo"), 1, INT_MAX);
        movement.owner = m_reading.ranged(QStringLiteral("il condomino del movimento"), 0, MaxOwners);
        movement.supplier = m_reading.text(QStringLiteral("il fornitore"));
        movement.supplierCode = m_reading.text(QStringLiteral("il codice fiscale del fornitore"));
        const QString cause = m_reading.text(QStringLiteral("la causale"));
        const std::optional<MovementCause> known = MovementCauses::fromWord(cause);
        if (!known)
            m_reading.refuse(QStringLiteral("la causale"), QStringLiteral("causale sconosciuta"));
        movement.cause = known.value_or(MovementCause::Other);
        movement.item = m_reading.ranged(QStringLiteral("la voce"), 0, MaxItems);
        movement.description = m_reading.text(QStringLiteral("la descrizione"));
        movement.document = m_reading.text(QStringLiteral("il documento"));
        movement.note = m_reading.text(QStringLiteral("la nota"));
        movement.statementLine = m_reading.text(QStringLiteral("la riga dell'estratto conto"));
        m_reading.endRecord(QStringLiteral("la riga dell'estratto conto"));
        return movement;
    }

    ArchiveReader &m_reader;
    AccountsFile::LoadResult &m_result;
    FieldReading m_reading;
};

} // namespace

AccountsFile::LoadResult AccountsFile::load(const QString &path)
{
    return WholeFileReading::load<LoadResult>(path, WholeFileReading::readWith<RegisterReading, LoadResult>);
}

AccountsFile::LoadResult AccountsFile::read(const QByteArray &bytes)
{
    return WholeFileReading::fromBytes<LoadResult>(bytes, WholeFileReading::readWith<RegisterReading, LoadResult>);
}

QByteArray AccountsFile::bytes(const AccountsRegister &accounts, QString *error)
{
    return WholeFileReading::bytesWritten([&accounts](ArchiveWriter &writer) { writeAll(writer, accounts); }, error);
}

bool AccountsFile::save(const AccountsRegister &accounts, const QString &path, QString *error)
{
    return WholeFileReading::commitWritten([&accounts](ArchiveWriter &writer) { writeAll(writer, accounts); }, path, error);
}

QString AccountsFile::fileName(const QString &condoName, int year)
{
    return QStringLiteral("Veltra-contabilita-%1- %2").arg(condoName).arg(year);
}

QString AccountsFile::pathBeside(const QString &archivePath, int year)
{
    return CompanionFile::pathBeside(archivePath, QStringLiteral("Veltra-dati-"),
                                     QStringLiteral("Veltra-contabilita-"))
           + QStringLiteral("- %1").arg(year);
}

} // namespace veltra
