#pragma once

#include "ui/dati/datiregistry.h"

#include <QList>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace veltra {

// The controls of the condominium window, placed on its form in design pixels: the
// header, five owner rows, the frame with five unit rows, the scroll bars and the "&Spese"
// button. Control arrays are indexed from 1, as their object names ("nomcond_3").
class DatiForm
{
public:
    static constexpr int Rows = 5;

    struct OwnerRow
    {
        QLabel *rum = nullptr;
        std::array<QLineEdit *, DatiRegistry::OwnerFieldCount> fields{};
        QScrollBar *floorSpin = nullptr; // VScroll3: up raises the floor
        QPushButton *canc = nullptr;
        QPushButton *stamp = nullptr;

        QLineEdit *field(DatiRegistry::OwnerField f) const { return fields[int(f)]; }
    };

    struct UnitRow
    {
        QLabel *num = nullptr;
        std::array<QLineEdit *, DatiRegistry::UnitFieldCount> fields{};
        QLabel *virt = nullptr;
        QLabel *mill = nullptr;
        QPushButton *canc2 = nullptr;

        QLineEdit *field(DatiRegistry::UnitField f) const { return fields[int(f)]; }
    };

    // Builds every control on form; passo and the frame's buttons are moved to make room
    // for "&Spese".
    explicit DatiForm(QWidget *form);

    QLineEdit *nome;
    QLabel *label1;                        // the number of owners
    std::array<QRadioButton *, 3> option;  // Option1(1) by volume, Option1(2) by radiant surface
    QLabel *label13;                       // heating column heading
    QLabel *label14;                       // its unit of measure
    QGroupBox *frame1;
    std::array<OwnerRow, Rows + 1> owners; // rows 1 to 5
    std::array<UnitRow, Rows + 1> units;   // rows 1 to 5
    QScrollBar *vscroll1;                  // owners
    QScrollBar *vscroll2;                  // units
    std::array<QPushButton *, 7> coefficientButtons;
    QPushButton *cmdspese;

    // The number labels rum and num, which light up under the mouse.
    QList<QLabel *> numberLabels() const;

private:
    void buildHeader(QWidget *form);
    void buildOwnerTable(QWidget *form);
    void buildUnitTable();
    void buildBottom(QWidget *form);
};

} // namespace veltra
