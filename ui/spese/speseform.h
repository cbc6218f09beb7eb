#pragma once

#include "core/expenses/expenseallocation.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace veltra {

// The controls of the expense window, placed on its form in design pixels: the header, the
// management frame, the item fields with the item scroll bar, the criterion options, ten
// owner rows with their scroll bar, and the "&Dati" button. Control arrays are indexed from
// 1, as their object names ("perc_3").
class SpeseForm
{
public:
    static constexpr int Rows = 10;
    static constexpr int Criteria = 7;

    struct OwnerRow
    {
        QLabel *rum = nullptr;
        QLabel *nomcond = nullptr;
        QLabel *indir = nullptr;
        QCheckBox *check1 = nullptr;
        QLineEdit *perc = nullptr;
        QLineEdit *mill = nullptr;
        QLineEdit *pian = nullptr;
        QLineEdit *risc = nullptr;
        QCheckBox *unterz = nullptr;
        QLineEdit *dueterz = nullptr;
        QLabel *spe = nullptr;
        // The heat-meter columns, in the places of perc, pian, unterz and dueterz, which
        // criterion 7 does not use.
        QCheckBox *stima = nullptr;
        QLineEdit *lett = nullptr;
        QLineEdit *fabb = nullptr;

        // The text field of an input column; nullptr for the three check-box columns.
        QLineEdit *field(ExpenseColumn column) const;
        // Makes the control of an input column editable or read-only.
        void setEditable(ExpenseColumn column, bool editable) const;
    };

    // Builds every control on form; passo is narrowed to make room for "&Dati".
    explicit SpeseForm(QWidget *form);

    QLabel *nome;
    QLabel *tot;
    QGroupBox *frame1;
    std::array<QRadioButton *, 3> option2{};            // 1 preventivi, 2 spese
    QPushButton *esport;
    QLineEdit *spesatotale;
    QLineEdit *tipospesa;
    QLineEdit *dataspesa;
    QScrollBar *vscroll2;                               // the item number
    QPushButton *ns;
    QLabel *totspe;
    std::array<QRadioButton *, Criteria + 1> option1{}; // the criteria 1 to 6
    // The criteria are one group of their own: left to the form's auto-exclusivity they
    // would count the management options nested in Frame1 as theirs, and a marked
    // management option would stop a newly marked criterion from unmarking the old one.
    QButtonGroup *criteria = nullptr;
    QPushButton *art1124;
    QPushButton *art1126;
    QLabel *heatingHeading;                             // over the risc column
    std::array<OwnerRow, Rows + 1> rows;                // rows 1 to 10
    QPushButton *tutti;
    QScrollBar *vscroll1;                               // the owner in the first row
    QPushButton *cmddati;
    // The parameters of criterion 7: the percentage by consumption, the basis of the rest
    // (in MeterBasis order) and the import of the firm's readings.
    QLineEdit *consumo;
    QComboBox *base;
    QPushButton *importa;

    // Shows the heat-meter columns instead of the columns criterion 7 does not use, or
    // the other way round, and enables its parameters.
    void showMeterColumns(bool meters) const;

private:
    void buildHeader(QWidget *form);
    void buildItem(QWidget *form);
    void buildCriteria(QWidget *form);
    void buildGrid(QWidget *form);
    void buildRow(QWidget *form, int r);
    void buildMeterRow(QWidget *form, int r);
    void buildBottom(QWidget *form);
    void buildMeterParameters(QWidget *form);

    QList<QWidget *> m_meterControls;
    QList<QWidget *> m_replacedControls;
};

} // namespace veltra
