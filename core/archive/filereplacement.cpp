#include "core/archive/filereplacement.h"

#include <QFileDevice>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace veltra::FileReplacement {

namespace {

// Some file systems only refuse a byte when it reaches the disk: a failed sync is a failed
// write. A device that cannot be synced at all (EINVAL) has nothing held back.
bool synced(QFileDevice &device)
{
#ifdef Q_OS_UNIX
    const int handle = device.handle();
    if (handle < 0)
        return true;
    return ::fsync(handle) == 0 || errno == EINVAL;
#else
    Q_UNUSED(device);
    return true;
#endif
}

} // namespace

bool writeAll(QFileDevice &device, const QByteArray &bytes)
{
    if (device.write(bytes) != bytes.size())
        return false;
    return device.flush() && device.error() == QFileDevice::NoError && synced(device);
}

bool replace(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // QSaveFile::commit() forgets an error of its own final flush; every byte is therefore
    // flushed and checked here, before the old file is given up.
    if (!writeAll(file, bytes)) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace veltra::FileReplacement
