#include "ui/contabilita/statementdialog.h"

#include "core/numbers/money.h"
#include "core/state/sharedstate.h"
#include "ui/frame/formcontrols.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

namespace {

using FormControls::fixedItem;

QString itemsText(const QList<int> &items)
{
    QStringList numbers;
    for (int item : items)
        numbers << QString::number(item);
    return numbers.join(QLatin1Char('+'));
}

} // namespace

StatementDialog::StatementDialog(const QList<StatementImport::Row> &rows, const SharedState &state,
                                 const QString &heading, QWidget *parent)
    : QDialog(parent)
    , m_rows(rows)
    , m_table(FormControls::table("righe", {QStringLiteral("Riga"), QStringLiteral("Data"), QStringLiteral("Importo"),
                                            QStringLiteral("Descrizione"), QStringLiteral("Condomino"),
                                            QStringLiteral("Voci"), QStringLiteral("Esito"),
                                            QStringLiteral("Registra")}))
{
    setObjectName(QStringLiteral("estrattoconto"));
    setWindowTitle(QStringLiteral("Veltra: estratto conto della banca"));
    auto *caption = new QLabel(heading);
    caption->setObjectName(QStringLiteral("colonne"));
    caption->setWordWrap(true);
    m_table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        addRow(row, rows.at(row), state);
    m_table->horizontalHeader()->setSectionResizeMode(DescriptionColumn, QHeaderView::Interactive);
    m_table->setColumnWidth(DescriptionColumn, 260);
    QDialogButtonBox *buttons =
        FormControls::goAheadOrCancel(this, "registrarighe", QStringLiteral("Registra le righe scelte"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(900, 480);
    setMinimumSize(size());
}

void StatementDialog::addRow(int row, const StatementImport::Row &proposed, const SharedState &state)
{
    const BankStatementCsv::Line &line = proposed.line;
    m_table->setItem(row, LineColumn, fixedItem(QString::number(line.fileLine)));
    m_table->setItem(row, DateColumn, fixedItem(line.operationDate.toString(QStringLiteral("dd/MM/yyyy"))));
    m_table->setItem(row, AmountColumn, fixedItem(Money::fromCents(line.cents).format()));
    m_table->setItem(row, DescriptionColumn, fixedItem(line.description));
    auto *owner = new QComboBox;
    owner->addItem(QStringLiteral("-"), 0);
    for (int i = 1; i <= MaxOwners; ++i) {
        if (!state.owner(i).ownerName.isEmpty())
            owner->addItem(QStringLiteral("%1 %2").arg(i).arg(state.owner(i).ownerName), i);
    }
    owner->setCurrentIndex(std::max(0, owner->findData(proposed.proposal.owner)));
    owner->setEnabled(!proposed.registered && line.cents > 0);
    m_table->setCellWidget(row, OwnerColumn, owner);
    auto *items = new QTableWidgetItem(itemsText(proposed.proposal.items));
    if (proposed.registered || line.cents <= 0)
        items->setFlags(items->flags() & ~Qt::ItemIsEditable);
    m_table->setItem(row, ItemsColumn, items);
    m_table->setItem(row, OutcomeColumn, fixedItem(proposed.registered ? QStringLiteral("già registrato")
                                                                       : PaymentMatcher::outcomeText(proposed.proposal.outcome)));
    auto *record = new QTableWidgetItem;
    record->setFlags(proposed.registered ? Qt::ItemIsEnabled : Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    record->setCheckState(!proposed.registered && proposed.proposal.outcome == PaymentMatcher::Outcome::Matched
                              ? Qt::Checked : Qt::Unchecked);
    m_table->setItem(row, RecordColumn, record);
}

std::optional<QList<StatementImport::Row>> StatementDialog::chosenRows(QString *problem) const
{
    QList<StatementImport::Row> chosen;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).registered || m_table->item(row, RecordColumn)->checkState() != Qt::Checked)
            continue;
        StatementImport::Row taken = m_rows.at(row);
        taken.proposal.owner = qobject_cast<QComboBox *>(m_table->cellWidget(row, OwnerColumn))->currentData().toInt();
        taken.proposal.items.clear();
        const QString items = m_table->item(row, ItemsColumn)->text().trimmed();
        for (const QString &number : items.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
            bool ok = false;
            taken.proposal.items << number.trimmed().toInt(&ok);
            if (!ok || taken.proposal.items.last() < 1) {
                *problem = QStringLiteral("Riga %1: le voci si scrivono come numeri uniti da + (3+4).").arg(taken.line.fileLine);
                return std::nullopt;
            }
        }
        if (taken.proposal.owner > 0 && taken.proposal.items.isEmpty()) {
            *problem = QStringLiteral("Riga %1: scrivere le voci che il condomino paga.").arg(taken.line.fileLine);
            return std::nullopt;
        }
        chosen << taken;
    }
    return chosen;
}

} // namespace veltra
