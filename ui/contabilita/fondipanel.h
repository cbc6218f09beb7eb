#pragma once

#include <QDate>
#include <QWidget>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace veltra {

class FinalAccount;
class YearEndEditor;

// The tab of the accounts window for the funds and the banks' balances: each fund with its
// opening balance and the expense item that fills it (the first, the special fund of art.
// 1135, n. 4, c.c., always there), the movements of the cause "fondo" with the fund each
// belongs to, and per bank account the statement's balance on a day with the explanation of
// a difference. Every change is written at once; what the file cannot take is refused and
// the stored value shown again.
class FondiPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FondiPanel(YearEndEditor &editor, QWidget *parent = nullptr);

    // Shows the funds, the fund movements and the statements of the editor's year.
    void showInputs(const FinalAccount &figures);
    QList<QWidget *> editingControls() const;

private:
    void showFunds();
    void showFundMovements();
    void showStatements();
    void saveFunds();
    void saveFundMovement(int movement, int fund);
    void saveStatements();
    void addFund();
    void removeFund();
    QComboBox *choiceAt(QTableWidget *table, int row, int column);
    QList<int> bankAccounts() const;

    YearEndEditor &m_editor;
    QTableWidget *m_funds;
    QPushButton *m_addFund;
    QPushButton *m_removeFund;
    QTableWidget *m_movements;
    QTableWidget *m_statements;
    QDate m_lastDay;
    bool m_showing = false;
};

} // namespace veltra
