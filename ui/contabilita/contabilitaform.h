#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace veltra {

// The controls of the accounts window, placed on its form in design pixels: the financial
// year and the register's state on top, then three tabs: the movements with the fields of the
// one being entered, the accounts with their opening and closing balances, and each owner's
// balance carried in, his shares, his payments and what he owes.
class ContabilitaForm
{
public:
    explicit ContabilitaForm(QWidget *form);

    QSpinBox *esercizio;
    QLineEdit *inizio;
    QLabel *stato;
    QTabWidget *schede;

    QTableWidget *movimenti;
    QLineEdit *dataoperazione;
    QLineEdit *dataregistrazione;
    QComboBox *conto;
    QComboBox *tipo;
    QLineEdit *importo;
    QComboBox *causale;
    QSpinBox *voce;
    QComboBox *condomino;
    QLineEdit *fornitore;
    QLineEdit *codicefiscale;
    QLineEdit *documento;
    QLineEdit *descrizione;
    QLineEdit *nota;
    QPushButton *nuovo;
    QPushButton *registra;
    QPushButton *elimina;
    QPushButton *estrattoconto;

    QTableWidget *conti;
    QPushButton *aggiungiconto;
    QTableWidget *saldi;

private:
    QWidget *movementsPage();
    QWidget *accountsPage();
    QWidget *balancesPage();
};

} // namespace veltra
