#pragma once

#include "ui/frame/formcontrols.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

class MeetingNotice;

// The fixed texts of the meeting-notice window, kept in one place: captions and tool-tips of
// its controls, the step hints, its messages and the filters of its file dialogs.
namespace ConvocazioneTexts {

// The longest assembly number that prints correctly, in characters.
constexpr int PrintLengthLimit = 85;

// The labels, each with its caption and the tool-tip of the label and of its field.
const QList<Caption> &labels();
// The tool-tip of each field, by the field's object name.
QString fieldTip(const char *name);

QStringList subjectEntries();     // the two entries of `oggett`
QString copiesFrameCaption();     // Frame1
QString copiesOption(int j);      // ncopie(1), ncopie(2)
QString printButtonCaption();     // cmdStampa
QString printButtonTip();
QString stepHintTip();            // passo

// The hint when the window opens, and the hint for the notice as it stands.
QString openingHint();
QString stepHint(const MeetingNotice &notice);

QString lengthMessage();
QString noCondominiumMessage();
QString instructions();
QString unreadableFileMessage(const QString &path);
QString unopenableFileMessage(const QString &path, const QString &reason);
QString unwritableFieldMessage(const QString &field, const QString &reason);

QString openDialogFilter();
QString saveDialogFilter();

} // namespace ConvocazioneTexts

} // namespace veltra
