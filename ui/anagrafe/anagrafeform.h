#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace veltra {

// The controls of the owners' register window, placed on its form in design pixels: the
// owner chosen and his record's state on top, four tabs (the persons, the units' cadastral
// data, the changes with the owner's last communication, the building's safety list), and
// below them what the record still lacks.
class AnagrafeForm
{
public:
    explicit AnagrafeForm(QWidget *form);

    QComboBox *condomino;
    QLabel *stato;
    QTabWidget *schede;
    QTableWidget *persone;
    QPushButton *aggiungipersona;
    QPushButton *toglipersona;
    QTableWidget *unita;
    QTableWidget *variazioni;
    QPushButton *aggiungivariazione;
    QPushButton *toglivariazione;
    QLineEdit *ultimacomunicazione;
    QTableWidget *sicurezza;
    QPushButton *aggiungivoce;
    QPushButton *toglivoce;
    QLabel *rilievi;

private:
    QWidget *personsPage();
    QWidget *unitsPage();
    QWidget *changesPage();
    QWidget *safetyPage();
};

} // namespace veltra
