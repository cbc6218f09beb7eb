#pragma once

#include <QString>

namespace veltra {

// The texts of the file dialogs and messages that every window keeping archives of its own
// shows alike when it opens or saves one.
namespace ArchiveDialogTexts {

QString openTitle();
QString saveAsTitle();
QString saveFailedMessage(const QString &path);

} // namespace ArchiveDialogTexts

} // namespace veltra
