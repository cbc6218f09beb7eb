#pragma once

#include "ui/frame/formcontrols.h"

#include <QString>
#include <QStringList>

namespace veltra {

// The fixed texts of the payments window, kept in one place: captions and tool-tips of its
// controls, the step hints, the check's messages, the instructions and the print entries.
namespace PagamentiTexts {

// Labels of the header, the item fields and the owner grid's column headings: object name,
// caption and tool-tip.
const QList<Caption> &headings();
// The management options Option1(1) "preventivi" and Option1(2) "spese".
const Caption &managementOption(int j);
// Tool-tips of the fields shown in panels: nome, tot, ns, ann, spesatotale, ...
QString fieldTip(const char *name);

QString reminderButtonTip(); // unsollecito(r), "S"
QString receiptButtonTip();  // unaricevuta(r), "R"
QString stepHintTip();       // passo
const Caption &spesePush();  // cmdspese

// "Anno " + Str(year), the year label.
QString yearLabel(const QString &itemOneDate);

QString instructions();

// The entries of "S&tampa", in menu order: window, all items, reminders, receipts, all
// cards, balance.
QStringList printEntries();

} // namespace PagamentiTexts

} // namespace veltra
