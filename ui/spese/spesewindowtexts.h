#pragma once

#include "ui/dati/datiwindowtexts.h"

#include <QString>
#include <QStringList>

namespace veltra {

// The fixed texts of the expense window, kept in one place: captions and tool-tips of its
// controls, the step hints and the instructions.
namespace SpeseTexts {

using Caption = DatiTexts::Caption;

// Labels of the header, the item fields and the owner grid's column headings; each names
// the label's object name, its caption and its tool-tip.
const QList<Caption> &headings();
// The two management options Option2(1), Option2(2), and the six criterion options
// Option1(1) to Option1(6).
const Caption &managementOption(int j);
const Caption &criterionOption(int j);
// The buttons: esport, ns, art1124, art1126, tutti, cmddati.
const Caption &button(const char *name);

QString participationTip(int r); // Check1(r)
QString twoThirdsBoxTip();       // dueterz(r)
QString stepHintTip();           // passo

// The heading of the heating column and its tool-tip for criterion calcType.
QString heatingHeading(int calcType);
QString heatingHeadingTip(int calcType);

// The step hint by its rule number, 1 to 15.
QString stepHint(int rule);

// The registry's millesimi are no longer those item k was allocated by, first for owner i.
QString registryChangedQuestion(int k, int i, const QString &ownerName);

QString instructions();
QString articlesTitle();

// The print entries of "S&tampa", in menu order.
QStringList printEntries();

} // namespace SpeseTexts

} // namespace veltra
