#include "core/archive/companionfile.h"

#include <QDir>
#include <QFileInfo>

namespace veltra {

namespace CompanionFile {

QString pathBeside(const QString &path, const QString &ownPrefix, const QString &companionPrefix)
{
    const QFileInfo file(path);
    QString name = file.fileName();
    if (name.startsWith(ownPrefix))
        name.remove(0, ownPrefix.size());
    return QDir(file.path()).filePath(companionPrefix + name);
}

} // namespace CompanionFile

} // namespace veltra
