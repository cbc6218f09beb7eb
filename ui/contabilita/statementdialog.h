#pragma once

#include "core/accounts/statementimport.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace veltra {

class SharedState;

// The bank statement's lines as the accounts window proposes to record them: per line the
// owner and the items it pays, which the user may change, and whether to record it. Lines
// the register holds already are shown and cannot be recorded again.
class StatementDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { LineColumn, DateColumn, AmountColumn, DescriptionColumn, OwnerColumn, ItemsColumn,
                  OutcomeColumn, RecordColumn };

    StatementDialog(const QList<StatementImport::Row> &rows, const SharedState &state, const QString &heading,
                    QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    // The rows ticked, with the owner and the items as the user left them; nothing, with
    // *problem naming the line, when an owner is chosen without items that are numbers.
    std::optional<QList<StatementImport::Row>> chosenRows(QString *problem) const;

private:
    void addRow(int row, const StatementImport::Row &proposed, const SharedState &state);

    QList<StatementImport::Row> m_rows;
    QTableWidget *m_table;
};

} // namespace veltra
