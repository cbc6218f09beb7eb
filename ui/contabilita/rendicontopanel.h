#pragma once

#include "ui/contabilita/reopendialog.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace veltra {

class FinalAccount;

class YearEndEditor;

// The tab of the accounts window that shows the year's rendiconto as it stands, read-only:
// what still keeps it from being printed, the accounts, the owners, the items, the funds
// and the equation that ties them, with the year's state and the commands that close it
// (carrying its balances into the next year) and open it again.
class RendicontoPanel : public QWidget
{
    Q_OBJECT

public:
    explicit RendicontoPanel(YearEndEditor &editor, QWidget *parent = nullptr);

    // Shows figures with the state of the editor's year; nothing when none is loaded.
    void showFigures(const FinalAccount &figures);
    // The reason asked before reopening, while it waits for the user; nullptr otherwise.
    ReopenDialog *reopenDialog() const { return m_reopenDialog; }

signals:
    // "Chiudi esercizio": the window settles its unsaved changes before the year is closed.
    void closeRequested();

private:
    void showState(const FinalAccount &figures);
    void showAccounts(const FinalAccount &figures);
    void showOwners(const FinalAccount &figures);
    void showItems(const FinalAccount &figures);
    void showFunds(const FinalAccount &figures);
    void showEquation(const FinalAccount &figures);
    void askReopening();

    YearEndEditor &m_editor;
    QLabel *m_state;
    QPushButton *m_close;
    QPushButton *m_reopen;
    QListWidget *m_blocking;
    QTableWidget *m_accounts;
    QTableWidget *m_owners;
    QTableWidget *m_items;
    QTableWidget *m_funds;
    QTableWidget *m_equation;
    QPointer<ReopenDialog> m_reopenDialog;
};

} // namespace veltra
