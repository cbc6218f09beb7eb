#pragma once

#include <QString>
#include <QStringList>

namespace veltra {

// The texts of the file dialogs and messages that every window keeping archives of its own
// shows alike when it opens or saves one.
namespace ArchiveDialogTexts {

QString openTitle();
QString saveAsTitle();
// reason: why the disk refused, "disco pieno".
QString saveFailedMessage(const QString &path, const QString &reason);
// reason: why the file could not be read, "è una cartella, non un file".
QString notOpenedMessage(const QString &path, const QString &reason);
// Asked before a save replaces a file another program changed; the buttons in order.
QString changedElsewhereQuestion(const QString &path);
QStringList changedElsewhereButtons();
// The buttons of the question asked before unsaved data are given up, in order: save them,
// give them up, keep them.
QStringList unsavedChangesButtons();
// A name typed without the archive prefix is saved with it, so that the dialogs' filter
// lists the file: the message that says so, and the question when that file exists.
QString prefixAddedMessage(const QString &prefix, const QString &path);
QString prefixAddedReplaceQuestion(const QString &prefix, const QString &path);

} // namespace ArchiveDialogTexts

} // namespace veltra
