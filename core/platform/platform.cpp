#include "core/platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace veltra {

namespace {

QString enterFolderOf(const QString &fileName)
{
    if (!fileName.isEmpty())
        QDir::setCurrent(QFileInfo(fileName).absolutePath());
    return fileName;
}

} // namespace

QString Platform::openFileName(const FileDialogRequest &request)
{
    return enterFolderOf(askOpenFileName(request));
}

QString Platform::saveFileName(const FileDialogRequest &request)
{
    return enterFolderOf(askSaveFileName(request));
}

} // namespace veltra
