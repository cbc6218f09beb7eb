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
// The two management options Option2(1), Option2(2), and the seven criterion options
// Option1(1) to Option1(7).
const Caption &managementOption(int j);
const Caption &criterionOption(int j);
// The buttons: esport, ns, art1124, art1126, tutti, cmddati, importa.
const Caption &button(const char *name);

QString participationTip(int r); // Check1(r)
QString twoThirdsBoxTip();       // dueterz(r)
QString stepHintTip();           // passo

// The heading of the heating column and its tool-tip for criterion calcType.
QString heatingHeading(int calcType);
QString heatingHeadingTip(int calcType);

// The step hint by its rule number, 1 to 16.
QString stepHint(int rule);

// The choices of the basis of the fixed part ("base"), in MeterBasis order, and its tool-tip.
const QStringList &meterBases();
QString meterBasisTip();
// The open dialog of "importa" and the message of a readings file refused.
QString readingsDialogTitle();
QString readingsFilter();
QString readingsRefused(const QString &fileName, const QString &problem);

// The registry's millesimi are no longer those item k was allocated by, first for owner i.
QString registryChangedQuestion(int k, int i, const QString &ownerName);

QString instructions();
QString articlesTitle();

// The print entries of "S&tampa", in menu order.
QStringList printEntries();

} // namespace SpeseTexts

} // namespace veltra
