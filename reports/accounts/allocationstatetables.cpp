#include "reports/accounts/allocationstatetables.h"

#include "core/accounts/finalaccount.h"
#include "reports/accounts/printedfigures.h"
#include "reports/document/reportdocument.h"
#include "reports/expenses/expenseitemheading.h"

#include <algorithm>

namespace veltra::AllocationStateTables {

using PrintedFigures::CR;
using PrintedFigures::money;

namespace {

constexpr int TableSize = 7;
constexpr int OwnerColumns = 2; // number and name

void appendCaption(ReportDocument &document, const QString &text)
{
    document.appendParagraph(CR + text + CR, 10, true);
}

QString itemHeading(const FinalAccount::Item &item)
{
    return QStringLiteral("Voce %1").arg(item.number) + CR + item.description + CR + QLatin1Char('(')
        + ExpenseItemHeading::criterionCaption(item.criterion) + QLatin1Char(')');
}

// One table of the items from first, up to ItemsPerTable of them; the rows of the sum of
// the shares and of the amounts close it, and the rounding's row when one is not zero.
void appendItemTable(ReportDocument &document, const FinalAccount &figures, int first)
{
    const int count = std::min(ItemsPerTable, int(figures.items.size()) - first);
    const QList<FinalAccount::Item> items = figures.items.mid(first, count);
    const bool rounded = std::any_of(items.cbegin(), items.cend(),
                                     [](const FinalAccount::Item &item) { return item.roundingCents() != 0; });
    const int owners = int(figures.owners.size());
    const int table = document.appendTable(1 + owners + 2 + (rounded ? 1 : 0), OwnerColumns + count, TableSize);
    document.setRow(table, 1, {QStringLiteral("N."), QStringLiteral("Condomino")});
    const int sums = owners + 2;
    document.setRow(table, sums, {QString(), QStringLiteral("Totale quote")});
    document.setRow(table, sums + 1, {QString(), QStringLiteral("Importo della voce")});
    if (rounded)
        document.setRow(table, sums + 2, {QString(), QStringLiteral("Differenza di arrotondamento")});
    for (int c = 0; c < count; ++c) {
        const FinalAccount::Item &item = items.at(c);
        const int column = OwnerColumns + 1 + c;
        document.setCell(table, 1, column, itemHeading(item));
        for (int o = 0; o < owners; ++o) {
            const FinalAccount::Owner &owner = figures.owners.at(o);
            const auto share = owner.shares.constFind(item.number);
            if (share != owner.shares.constEnd())
                document.setCell(table, o + 2, column, money(*share));
        }
        document.setCell(table, sums, column, money(item.sharesCents));
        document.setCell(table, sums + 1, column, money(item.amountCents));
        if (item.roundingCents() != 0)
            document.setCell(table, sums + 2, column, money(item.roundingCents()));
    }
    for (int o = 0; o < owners; ++o)
        document.setRow(table, o + 2, {QString::number(figures.owners.at(o).number), figures.owners.at(o).name});
    document.alignColumnsRight(table, OwnerColumns + 1, OwnerColumns + count);
}

void appendBalances(ReportDocument &document, const FinalAccount &figures)
{
    appendCaption(document, QStringLiteral("Posizione di ciascun condomino"));
    const int table = document.appendTable(int(figures.owners.size()) + 2, 6, TableSize);
    document.setRow(table, 1, {QStringLiteral("N."), QStringLiteral("Condomino"), QStringLiteral("Saldo iniziale"),
                               QStringLiteral("Totale quote"), QStringLiteral("Versato"), QStringLiteral("Saldo finale")});
    FinalAccount::Owner total;
    int row = 2;
    for (const FinalAccount::Owner &owner : figures.owners) {
        document.setRow(table, row++, {QString::number(owner.number), owner.name, money(owner.openingCents),
                                       money(owner.sharesCents), money(owner.paidCents), money(owner.closingCents)});
        total.openingCents += owner.openingCents;
        total.sharesCents += owner.sharesCents;
        total.paidCents += owner.paidCents;
        total.closingCents += owner.closingCents;
    }
    document.setRow(table, row, {QString(), QStringLiteral("Totali"), money(total.openingCents),
                                 money(total.sharesCents), money(total.paidCents), money(total.closingCents)});
    document.alignColumnsRight(table, 3, 6);
    document.appendParagraph(QStringLiteral("Saldo positivo: quanto il condomino deve ancora versare; negativo: quanto "
                                            "ha versato in più.") + CR, 8);
}

void appendBudget(ReportDocument &document, const FinalAccount &figures)
{
    appendCaption(document, QStringLiteral("Preventivo e consuntivo"));
    const int table = document.appendTable(int(figures.budget.size()) + 2, 4, TableSize);
    document.setRow(table, 1, {QStringLiteral("Voce"), QStringLiteral("Preventivo"), QStringLiteral("Consuntivo"),
                               QStringLiteral("Differenza")});
    long long budget = 0;
    long long actual = 0;
    int row = 2;
    for (const FinalAccount::BudgetLine &line : figures.budget) {
        document.setRow(table, row++, {line.description,
                                       line.budgetCents ? money(*line.budgetCents) : QStringLiteral("non prevista"),
                                       money(line.actualCents), money(line.differenceCents())});
        budget += line.budgetCents.value_or(0);
        actual += line.actualCents;
    }
    document.setRow(table, row, {QStringLiteral("Totali"), money(budget), money(actual), money(actual - budget)});
    document.alignColumnsRight(table, 2, 4);
}

} // namespace

void append(ReportDocument &document, const FinalAccount &figures)
{
    if (figures.items.isEmpty())
        document.appendParagraph(CR + QStringLiteral("Nell'esercizio non ci sono voci di spesa da ripartire.") + CR, 9);
    for (int first = 0; first < figures.items.size(); first += ItemsPerTable) {
        const int last = std::min(first + ItemsPerTable, int(figures.items.size()));
        appendCaption(document, last - first == 1
                                    ? QStringLiteral("Quote della voce %1").arg(figures.items.at(first).number)
                                    : QStringLiteral("Quote delle voci da %1 a %2")
                                          .arg(figures.items.at(first).number)
                                          .arg(figures.items.at(last - 1).number));
        appendItemTable(document, figures, first);
    }
    appendBalances(document, figures);
    if (!figures.budget.isEmpty())
        appendBudget(document, figures);
}

} // namespace veltra::AllocationStateTables
