#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QVBoxLayout;
class QScrollBar;
class QWidget;

namespace veltra {

// A control's caption and tool-tip as a window's table of texts lists them.
struct Caption
{
    const char *name;
    const char *text;
    const char *toolTip;
};

// Helpers shared by the forms that place the work windows' controls.
namespace FormControls {

// The object name of element index of a control array: "nomcond_3".
QString indexed(const QString &name, int index);

// The label named name in captions, placed at rect on parent; nullptr when the table does
// not hold it.
QLabel *heading(QWidget *parent, const QList<Caption> &captions, const char *name,
                const QRect &rect);

// A sunken panel named name at rect on parent: a label showing a value the user does not
// type.
QLabel *panel(QWidget *parent, const QString &name, const QRect &rect);

// A text field named name at rect on parent.
QLineEdit *lineEdit(QWidget *parent, const QString &name, const QRect &rect);

// A vertical scroll bar named name at rect on parent, over positions 1 to maximum, moving one
// position a step and pageStep positions a page.
QScrollBar *scrollBar(QWidget *parent, const QString &name, int maximum, int pageStep,
                      const QRect &rect);

// The pieces of a tab page laid out by itself: a table of whole rows with the headings given,
// its columns as wide as their contents; a button; the page with the table above a row of
// buttons (none when buttons is nullptr).
QTableWidget *table(const char *name, const QStringList &headings);
QPushButton *button(const char *name, const QString &text, const QString &tip);
QWidget *page(QTableWidget *table, QHBoxLayout *buttons);
// A tab page of sections one under the other, scrolling when the tab is too short: the
// layout to add them to; and a section: its caption, its control and, when there are any,
// a row of buttons under it.
QVBoxLayout *scrollingSections(QWidget *page);
void addSection(QVBoxLayout *sections, const QString &caption, QWidget *control,
                const QList<QPushButton *> &buttons = {});
// The buttons of a dialog that asks before it acts: the one that goes ahead, named name and
// captioned text, accepts dialog; "Annulla" rejects it.
QDialogButtonBox *goAheadOrCancel(QDialog *dialog, const char *name, const QString &text);
// A cell the user reads but does not type into.
QTableWidgetItem *fixedItem(const QString &text);
// Fills row of table from its first column with cells the user reads but does not type into.
void fixedRow(QTableWidget *table, int row, const QStringList &cells);
// Writes cells the user may type into over row's items, in place: a table shown again from
// its own itemChanged keeps alive the item that changed.
void writeRow(QTableWidget *table, int row, const QStringList &cells);

// Greys out the window's menu entries named names ("apri", "salva"…): commands the window
// does not support.
void disableEntries(QWidget *window, const QStringList &names);

} // namespace FormControls
} // namespace veltra
