#include "core/accounts/movementscsv.h"

#include "core/archive/semicolonrows.h"
#include "core/state/sharedstate.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>

namespace veltra::MovementsCsv {

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");
const QString OpeningWord = QStringLiteral("apertura");
const QString ReceiptWord = QStringLiteral("entrata");
const QString PaymentWord = QStringLiteral("uscita");
constexpr int Columns = 13;
enum Column { Number, OperationDate, RegistrationDate, Account, Kind, Amount, Owner, Supplier, Code,
              Cause, Item, Description, Document };

QStringList openingRow(const QDate &day, const QString &account, long long cents, int owner)
{
    return {QString(), day.toString(DateFormat), day.toString(DateFormat), account,
            cents >= 0 ? ReceiptWord : PaymentWord, amountText(cents >= 0 ? cents : -cents),
            owner > 0 ? QString::number(owner) : QString(), QString(), QString(), OpeningWord,
            QString(), QString(), QString()};
}

QStringList movementRow(const AccountsRegister &accounts, const AccountMovement &movement)
{
    return {QString::number(movement.number), movement.operationDate.toString(DateFormat),
            movement.registrationDate.toString(DateFormat), accounts.accounts.value(movement.account - 1).name,
            movement.receipt ? ReceiptWord : PaymentWord, amountText(movement.cents),
            movement.owner > 0 ? QString::number(movement.owner) : QString(), movement.supplier,
            movement.supplierCode, MovementCauses::word(movement.cause),
            movement.item > 0 ? QString::number(movement.item) : QString(), movement.description,
            movement.document};
}

class RowReading
{
public:
    explicit RowReading(AccountsRegister &accounts) : m_accounts(accounts) {}

    // The movements read, in the order of their numbers.
    QList<AccountMovement> movements() const
    {
        QList<AccountMovement> sorted = m_movements;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const AccountMovement &a, const AccountMovement &b) { return a.number < b.number; });
        return sorted;
    }

    // The fault of the row, empty when it was taken.
    QString read(const QStringList &fields)
    {
        if (fields.size() != Columns)
            return QStringLiteral("%1 campi invece di %2").arg(fields.size()).arg(Columns);
        m_fields = fields;
        const std::optional<QDate> day = date(OperationDate);
        const bool opening = fields.at(Cause) == OpeningWord;
        const std::optional<long long> cents = amount(opening ? 0 : 1);
        const std::optional<int> owner = integer(Owner, MaxOwners);
        if (!day || !cents || !owner || (fields.at(Kind) != ReceiptWord && fields.at(Kind) != PaymentWord))
            return m_fault.isEmpty() ? QStringLiteral("il tipo deve essere \"entrata\" o \"uscita\"") : m_fault;
        const long long signedCents = fields.at(Kind) == ReceiptWord ? *cents : -*cents;
        if (opening)
            return takeOpening(*day, signedCents, *owner);
        return movement(*day, *cents, *owner);
    }

private:
    QString takeOpening(const QDate &day, long long cents, int owner)
    {
        if (!m_accounts.firstDay.isValid() || day < m_accounts.firstDay)
            m_accounts.firstDay = day;
        if (owner > 0) {
            m_accounts.ownerOpenings.insert(owner, cents);
            return QString();
        }
        const int account = accountOf(m_fields.at(Account));
        if (account == 0)
            return QStringLiteral("manca il nome del conto");
        m_accounts.accounts[account - 1].openingCents = cents;
        return QString();
    }

    QString movement(const QDate &day, long long cents, int owner)
    {
        AccountMovement movement;
        const std::optional<QDate> registered = date(RegistrationDate);
        const std::optional<int> number = integer(Number, INT_MAX);
        const std::optional<int> item = integer(Item, MaxItems);
        const std::optional<MovementCause> cause = MovementCauses::fromWord(m_fields.at(Cause));
        if (!registered || !number || !item)
            return m_fault;
        if (!cause)
            return QStringLiteral("causale \"%1\" sconosciuta").arg(m_fields.at(Cause));
        movement.account = accountOf(m_fields.at(Account));
        if (movement.account == 0)
            return QStringLiteral("manca il nome del conto");
        movement.number = *number;
        movement.operationDate = day;
        movement.registrationDate = *registered;
        movement.receipt = m_fields.at(Kind) == ReceiptWord;
        movement.cents = cents;
        movement.owner = owner;
        movement.supplier = m_fields.at(Supplier);
        movement.supplierCode = m_fields.at(Code);
        movement.cause = *cause;
        movement.item = *item;
        movement.description = m_fields.at(Description);
        movement.document = m_fields.at(Document);
        m_movements << movement;
        return QString();
    }

    std::optional<QDate> date(Column column)
    {
        const QDate day = QDate::fromString(m_fields.at(column), DateFormat);
        if (!day.isValid()) {
            m_fault = QStringLiteral("\"%1\" non è una data gg/mm/aaaa").arg(m_fields.at(column));
            return std::nullopt;
        }
        return day;
    }

    // An opening may be nought; a movement moves at least a cent.
    std::optional<long long> amount(long long least)
    {
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,10})(?:,(\\d{1,2}))?$"));
        const QRegularExpressionMatch match = pattern.match(m_fields.at(Amount));
        const long long cents = match.hasMatch()
            ? match.captured(1).toLongLong() * 100 + match.captured(2).leftJustified(2, QLatin1Char('0')).toLongLong()
            : 0;
        if (!match.hasMatch() || cents < least || cents > INT_MAX) {
            m_fault = QStringLiteral("l'importo \"%1\" non è un numero positivo con la virgola decimale")
                          .arg(m_fields.at(Amount));
            return std::nullopt;
        }
        return cents;
    }

    // An empty field is 0.
    std::optional<int> integer(Column column, int maximum)
    {
        const QString &text = m_fields.at(column);
        bool ok = text.isEmpty();
        const int value = ok ? 0 : text.toInt(&ok);
        if (!ok || value < 0 || value > maximum) {
            m_fault = QStringLiteral("\"%1\" non è un numero da 0 a %2").arg(text).arg(maximum);
            return std::nullopt;
        }
        return value;
    }

    int accountOf(const QString &name)
    {
        if (name.isEmpty())
            return 0;
        for (int a = 1; a <= m_accounts.accounts.size(); ++a) {
            if (m_accounts.accounts.at(a - 1).name == name)
                return a;
        }
        LedgerAccount account;
        account.name = name;
        account.cash = name.startsWith(QStringLiteral("Cassa"), Qt::CaseInsensitive);
        m_accounts.accounts << account;
        return int(m_accounts.accounts.size());
    }

    AccountsRegister &m_accounts;
    QList<AccountMovement> m_movements;
    QStringList m_fields;
    QString m_fault;
};

} // namespace

QString amountText(long long cents)
{
    const long long magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2,%3").arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100).arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString header()
{
    return QStringLiteral("numero;data_operazione;data_registrazione;conto;tipo;importo;condomino;"
                          "fornitore;codice_fiscale;causale;voce;descrizione;documento");
}

QByteArray write(const AccountsRegister &accounts)
{
    QString text = header() + QLatin1Char('\n');
    // Without a first day there were no openings to write: every balance starts at nought.
    if (accounts.firstDay.isValid()) {
        for (const LedgerAccount &account : accounts.accounts)
            text += SemicolonRows::row(openingRow(accounts.firstDay, account.name, account.openingCents, 0));
        for (auto it = accounts.ownerOpenings.constBegin(); it != accounts.ownerOpenings.constEnd(); ++it)
            text += SemicolonRows::row(openingRow(accounts.firstDay, QString(), it.value(), it.key()));
    }
    for (int index : accounts.chronological())
        text += SemicolonRows::row(movementRow(accounts, accounts.movements().at(index)));
    return text.toUtf8();
}

Result read(const QByteArray &bytes)
{
    Result result;
    QStringList lines;
    if (!SemicolonRows::lines(bytes, lines, &result.problem))
        return result;
    if (lines.isEmpty() || lines.first().trimmed() != header()) {
        result.problem = QStringLiteral("riga 1: l'intestazione non è quella dei movimenti (%1)").arg(header());
        return result;
    }
    AccountsRegister accounts;
    RowReading reading(accounts);
    for (int n = 1; n < lines.size(); ++n) {
        if (lines.at(n).trimmed().isEmpty())
            continue;
        QStringList fields;
        const QString fault = SemicolonRows::split(lines.at(n), fields)
            ? reading.read(fields) : QStringLiteral("virgolette non chiuse");
        if (!fault.isEmpty()) {
            result.problem = QStringLiteral("riga %1: %2").arg(n + 1).arg(fault);
            return result;
        }
    }
    accounts.setMovements(reading.movements());
    result.accounts = accounts;
    result.ok = true;
    return result;
}

int merge(AccountsRegister &accounts, const AccountsRegister &incoming)
{
    QList<int> accountOf;
    for (const LedgerAccount &account : incoming.accounts) {
        int found = 0;
        for (int a = 1; a <= accounts.accounts.size() && found == 0; ++a)
            found = accounts.accounts.at(a - 1).name == account.name ? a : 0;
        if (found == 0) {
            accounts.accounts << account;
            found = int(accounts.accounts.size());
        } else if (account.openingCents != 0) {
            accounts.accounts[found - 1].openingCents = account.openingCents;
        }
        accountOf << found;
    }
    for (auto it = incoming.ownerOpenings.constBegin(); it != incoming.ownerOpenings.constEnd(); ++it)
        accounts.ownerOpenings.insert(it.key(), it.value());
    int added = 0;
    for (int index : incoming.chronological()) {
        AccountMovement movement = incoming.movements().at(index);
        movement.account = accountOf.value(movement.account - 1, 1);
        accounts.add(movement);
        ++added;
    }
    return added;
}

} // namespace veltra::MovementsCsv
