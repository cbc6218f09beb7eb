#pragma once

#include "ui/frame/formcontrols.h"

#include <QString>
#include <QStringList>

namespace veltra {

// The fixed texts of the condominium window, kept in one place: captions and tool-tips of
// its controls, the step hints, its messages and the filters of its file dialogs.
namespace DatiTexts {

using Caption = veltra::Caption;

// Headings of the header, the owner table and the unit table.
const QList<Caption> &headings();
// The seven buttons over the coefficient columns, in the order of CoefficientKind.
const QList<Caption> &coefficientButtons();

QString standingHint();                    // Label4
QString initialFrameCaption();             // Frame1 before any recomputation
QString heatingOptionCaption(int k);       // Option1(k), k = 1 or 2
QString ownerNumberTip();                  // rum(r)
QString unitNumberTip();                   // num(r)
QString deleteOwnerTip();                  // canc(r)
QString printOwnerTip();                   // stamp(r)
QString deleteUnitTip();                   // canc2(r)
QString stepHintTip();                     // passo
QString spesePushTip();                    // cmdspese

// The captions over the heating column: none chosen, by volume, by radiant surface.
QString heatingHeading(int heatingOption);
QString heatingUnit(int heatingOption);

QString floorOrderWarning();
QString instructions();
QString deletedDataQuestion();
// Clicking the number of a row that holds data: replace them with those of the row before.
QString copyOverOwnerQuestion(int o);
QString copyOverUnitQuestion(int u);
// Opening a file that breaks off at `line`: load what was read, or keep the data shown.
// problem: the field that could not be read, "riga 3, la superficie del locale n. 1 ...".
QString partialArchiveQuestion(const QString &path, const QString &problem);
QString unwritableFieldMessage(const QString &field, const QString &reason);

QString openDialogFilter();
QString saveDialogTitle();
QString saveDialogFilter();

// The print entries of "S&tampa", in menu order.
QStringList printEntries();

} // namespace DatiTexts

} // namespace veltra
