#pragma once

#include "ui/frame/workwindow.h"

#include <array>

class QLabel;
class QScrollBar;

namespace veltra {

// The owner/tenant window `conduttore`: the fixed table of 74 kinds of condominium expense
// with the percentages borne by the landlord and by the tenant, ten rows at a time under the
// scroll bar VScroll1, and its printout. It changes nothing in the shared state.
class ConduttoreWindow : public WorkWindow
{
    Q_OBJECT

public:
    static constexpr int Rows = 10;

    explicit ConduttoreWindow(Shell &shell, QWidget *parent = nullptr);

    // The table row shown first (VScroll1, 1 to 65).
    int topRow() const;
    void setTopRow(int n);

    void printMain() override;
    void showInstructions() override;

protected:
    void initialise() override;

private:
    // The labels of screen row r: num, tip, spes, loc, con.
    struct ScreenRow
    {
        QLabel *num = nullptr;
        QLabel *tip = nullptr;
        QLabel *spes = nullptr;
        QLabel *loc = nullptr;
        QLabel *con = nullptr;
    };

    void buildHeadings();
    void buildRows();
    void redrawRows();

    std::array<ScreenRow, Rows + 1> m_rows; // element 0 unused
    QScrollBar *m_scroll = nullptr;
};

} // namespace veltra
