#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace veltra {

class Shell;

// The controls the three library windows (rulings, regulation, templates) have in common:
// a heading, a read-only text box, the "&Stampa" button and the "f&orum" button.
namespace LibraryControls {

// The row of the print and forum buttons, above the frame's face row.
constexpr int ButtonRowTop = 340;

// A line of a numbered list: "   1) " … "  9) ", " 10) " … and the title.
QString numberedLine(int n, const QString &title);

QLabel *heading(QWidget *form, const QString &text, const QRect &rect);
// A multi-line text box that shows its text as it is, tabs included, and cannot be edited.
QPlainTextEdit *readOnlyText(QWidget *form, const QString &name, const QRect &rect);
QPushButton *printButton(QWidget *form, const QString &name, const QString &toolTip);
// "f&orum": the maker's pages, reached through the support window.
QPushButton *forumButton(QWidget *form, Shell &shell);

} // namespace LibraryControls

} // namespace veltra
