#pragma once

#include "core/archive/filestamp.h"

#include <QString>

#include <functional>
#include <optional>

namespace veltra {

class Platform;

// What a window knows of the archive file it last opened or saved, so that a save never
// replaces without asking a file that another program (a second copy of this one, an
// editor) changed meanwhile: the last save would otherwise win and the other change be
// lost without a word.
class ArchiveFileGuard
{
public:
    // The file at path was just read or written by the window.
    void remember(const QString &path);
    void forget();

    // The path to write: path itself when it is the file remembered and unchanged, or not
    // the one remembered; otherwise the answer to "Sovrascrivi / Salva con nome / Annulla"
    // (titled title): path, the name chooseName asks for, or empty for nothing to write.
    // Without chooseName (a file whose name the program builds) only Sovrascrivi and
    // Annulla are offered.
    QString confirmedPath(Platform &platform, const QString &title, const QString &path,
                          const std::function<QString()> &chooseName = {}) const;

private:
    QString m_path;
    std::optional<FileStamp> m_stamp;
};

} // namespace veltra
