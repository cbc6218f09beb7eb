#include "reports/accounts/accountsregisterprintout.h"

#include "core/accounts/accountsregister.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/printedfigures.h"
#include "reports/document/reportdocument.h"

#include <QVector>

namespace veltra::AccountsRegisterPrintout {

using PrintedFigures::CR;
using PrintedFigures::day;
using PrintedFigures::money;

namespace {

const QStringList Heads = {QStringLiteral("N."), QStringLiteral("Data op."), QStringLiteral("Data reg."),
                           QStringLiteral("Conto"), QStringLiteral("Controparte"), QStringLiteral("Causale"),
                           QStringLiteral("Descrizione"), QStringLiteral("Entrate"), QStringLiteral("Uscite"),
                           QStringLiteral("Saldo conto")};
enum Column { Number = 1, Operation, Registration, Account, Counterpart, Cause, Description, In, Out, Balance };

class RegisterPages
{
public:
    RegisterPages(ReportDocument &document, const AccountsRegister &accounts, const SharedState &state)
        : m_document(document), m_accounts(accounts), m_state(state)
    {
        for (const LedgerAccount &account : accounts.accounts)
            m_balances << account.openingCents;
    }

    void append()
    {
        const QList<int> order = m_accounts.chronological();
        for (int start = 0; start < order.size() || start == 0; start += RowsPerPage) {
            if (start > 0)
                m_document.appendPageBreak();
            appendPage(order.mid(start, RowsPerPage), start > 0, start + RowsPerPage < order.size());
        }
    }

private:
    void appendPage(const QList<int> &movements, bool carriedIn, bool carriedOut)
    {
        const int rows = 1 + int(movements.size()) + (carriedIn ? 1 : 0) + 1;
        const int table = m_document.appendTable(rows, int(Heads.size()), 7);
        for (int c = 0; c < Heads.size(); ++c)
            m_document.setCell(table, 1, c + 1, Heads.at(c));
        int row = 2;
        if (carriedIn)
            totalsRow(table, row++, QStringLiteral("Riporto"));
        for (int index : movements)
            movementRow(table, row++, m_accounts.movements().at(index));
        totalsRow(table, row, carriedOut ? QStringLiteral("A riportare") : QStringLiteral("Totali"));
        m_document.alignColumnsRight(table, In, Balance);
    }

    void movementRow(int table, int row, const AccountMovement &movement)
    {
        long long &balance = m_balances[movement.account - 1];
        balance += movement.signedCents();
        (movement.receipt ? m_in : m_out) += movement.cents;
        const QStringList cells = {QString::number(movement.number), day(movement.operationDate),
                                   day(movement.registrationDate),
                                   m_accounts.accounts.value(movement.account - 1).name,
                                   counterpart(movement, m_state), MovementCauses::label(movement.cause)
                                       + (movement.item > 0 ? QStringLiteral(" voce %1").arg(movement.item) : QString()),
                                   describe(movement), movement.receipt ? money(movement.cents) : QString(),
                                   movement.receipt ? QString() : money(movement.cents), money(balance)};
        for (int c = 0; c < cells.size(); ++c)
            m_document.setCell(table, row, c + 1, cells.at(c));
    }

    static QString describe(const AccountMovement &movement)
    {
        QString text = movement.description;
        if (!movement.document.isEmpty())
            text += QStringLiteral(" (doc. %1)").arg(movement.document);
        return text;
    }

    void totalsRow(int table, int row, const QString &caption)
    {
        m_document.setCell(table, row, Description, caption);
        m_document.setCell(table, row, In, money(m_in));
        m_document.setCell(table, row, Out, money(m_out));
    }

    ReportDocument &m_document;
    const AccountsRegister &m_accounts;
    const SharedState &m_state;
    QVector<long long> m_balances;
    long long m_in = 0;
    long long m_out = 0;
};

void appendAccounts(ReportDocument &document, const AccountsRegister &accounts)
{
    document.appendParagraph(CR + QStringLiteral("Saldi dei conti") + CR, 10, true);
    const int table = document.appendTable(int(accounts.accounts.size()) + 1, 5, 8);
    const QStringList heads = {QStringLiteral("Conto"), QStringLiteral("Saldo iniziale"), QStringLiteral("Entrate"),
                               QStringLiteral("Uscite"), QStringLiteral("Saldo finale")};
    for (int c = 0; c < heads.size(); ++c)
        document.setCell(table, 1, c + 1, heads.at(c));
    for (int a = 1; a <= accounts.accounts.size(); ++a) {
        const LedgerAccount &account = accounts.accounts.at(a - 1);
        long long in = 0;
        long long out = 0;
        for (const AccountMovement &movement : accounts.movements()) {
            if (movement.account == a)
                (movement.receipt ? in : out) += movement.cents;
        }
        const QString name = account.iban.isEmpty() ? account.name : account.name + QStringLiteral(" - IBAN ") + account.iban;
        const QStringList cells = {name, money(account.openingCents), money(in), money(out),
                                   money(accounts.closingBalance(a))};
        for (int c = 0; c < cells.size(); ++c)
            document.setCell(table, a + 1, c + 1, cells.at(c));
    }
    document.alignColumnsRight(table, 2, 5);
}

} // namespace

ReportDocument build(const AccountsRegister &accounts, const SharedState &state)
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("REGISTRO DI CONTABILITÀ") + CR, 14, true);
    document.appendParagraph(accounts.condoName + CR, 12, true);
    document.appendParagraph(QStringLiteral("Esercizio dal %1 al %2 - movimenti in ordine cronologico "
                                            "(art. 1130, n. 7, c.c.)").arg(day(accounts.firstDay),
                                                                           day(accounts.lastDay()))
                                 + CR + CR, 9);
    appendMovements(document, accounts, state);
    appendAccounts(document, accounts);
    return document;
}

void appendMovements(ReportDocument &document, const AccountsRegister &accounts, const SharedState &state)
{
    RegisterPages(document, accounts, state).append();
}

QString counterpart(const AccountMovement &movement, const SharedState &state)
{
    if (movement.owner > 0)
        return QStringLiteral("n. %1 %2").arg(movement.owner).arg(state.owner(movement.owner).ownerName);
    if (movement.supplierCode.isEmpty())
        return movement.supplier;
    return QStringLiteral("%1 (%2)").arg(movement.supplier, movement.supplierCode);
}

} // namespace veltra::AccountsRegisterPrintout
