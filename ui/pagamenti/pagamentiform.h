#pragma once

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace veltra {

// The controls of the payments window, placed on its form in design pixels: the header,
// the management options, the item with its scroll bar and running totals, ten owner rows
// with their scroll bar, and the "&Spese" button. Control arrays are indexed from 1, as
// their object names ("pag_3").
class PagamentiForm
{
public:
    static constexpr int Rows = 10;

    struct OwnerRow
    {
        QRadioButton *sched = nullptr; // the account card; shows whether it was printed
        QLabel *num = nullptr;
        QLabel *nomcond = nullptr;
        QLabel *indir = nullptr;
        QLabel *spe = nullptr;
        QLineEdit *pag = nullptr;
        QLineEdit *soll = nullptr;
        QLabel *pagann = nullptr;
        QPushButton *unsollecito = nullptr; // "S"
        QPushButton *unaricevuta = nullptr; // "R"
    };

    // Builds every control on form; passo is narrowed to make room for "&Spese".
    explicit PagamentiForm(QWidget *form);

    QLabel *nome;
    QLabel *tot;
    QLabel *ann;
    std::array<QRadioButton *, 3> option1{}; // 1 preventivi, 2 spese
    QLabel *ns;
    QScrollBar *vscroll2;                    // the item number
    QLabel *spesatotale;
    QLabel *tipospesa;
    QLabel *dataspesa;
    QLabel *totanno;
    QLabel *totspe;
    std::array<OwnerRow, Rows + 1> rows;     // rows 1 to 10
    QScrollBar *vscroll1;                    // the owner in the first row
    QPushButton *cmdspese;

private:
    void buildHeader(QWidget *form);
    void buildItem(QWidget *form);
    void buildGrid(QWidget *form);
    void buildRow(QWidget *form, int r);
    void buildBottom(QWidget *form);
};

} // namespace veltra
