#include "core/platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace veltra {

void Platform::enterFolderOf(const QString &fileName)
{
    if (!fileName.isEmpty())
        QDir::setCurrent(QFileInfo(fileName).absolutePath());
}

QString Platform::openFileName(const FileDialogRequest &request)
{
    const QString fileName = askOpenFileName(request);
    enterFolderOf(fileName);
    return fileName;
}

QString Platform::saveFileName(const FileDialogRequest &request)
{
    return askSaveFileName(request);
}

} // namespace veltra
