#pragma once

#include <QString>

namespace veltra {

// The texts of the file dialogs and messages that every window keeping archives of its own
// shows alike when it opens or saves one.
namespace ArchiveDialogTexts {

QString openTitle();
QString saveAsTitle();
QString saveFailedMessage(const QString &path);
// A name typed without the archive prefix is saved with it, so that the dialogs' filter
// lists the file: the message that says so, and the question when that file exists.
QString prefixAddedMessage(const QString &prefix, const QString &path);
QString prefixAddedReplaceQuestion(const QString &prefix, const QString &path);

} // namespace ArchiveDialogTexts

} // namespace veltra
