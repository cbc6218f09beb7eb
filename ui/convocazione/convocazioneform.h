#pragma once

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace veltra {

// The controls of the meeting-notice window, placed on its form in design pixels: the
// condominium, subject and number, the opening text, the two calls, the agenda heading with
// five agenda rows and their scroll bar, the notes, the notice date, the copies frame and
// "&Stampa". Control arrays are indexed from 1, as their object names ("giorn_3").
class ConvocazioneForm
{
public:
    static constexpr int Rows = 5;

    explicit ConvocazioneForm(QWidget *form);

    QLabel *nome;
    QComboBox *oggett;
    QLineEdit *numer;
    QLineEdit *test;
    QLineEdit *dat1;
    QLineEdit *or1;
    QLineEdit *luog1;
    QLineEdit *dat2;
    QLineEdit *or2;
    QLineEdit *luog2;
    QLineEdit *discut;
    std::array<QLabel *, Rows + 1> nu{};
    std::array<QLineEdit *, Rows + 1> giorn{};
    QScrollBar *agendaBar; // the first agenda point shown, 1 to 16
    QLineEdit *notes;
    QLineEdit *dat0;
    QGroupBox *frame1;
    std::array<QRadioButton *, 3> ncopie{}; // 1 singola, 2 with receipt
    QPushButton *cmdStampa;

private:
    void buildHeader(QWidget *form);
    void buildCalls(QWidget *form);
    void buildAgenda(QWidget *form);
    void buildBottom(QWidget *form);
};

} // namespace veltra
