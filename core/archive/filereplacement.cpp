#include "core/archive/filereplacement.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
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

// Why the save failed, in the user's words: the system's own text is English and names no
// cause an administrator can act on.
QString reasonOf(const QString &path, int code)
{
#ifdef Q_OS_UNIX
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("disco pieno");
    case EROFS:
        return QStringLiteral("disco in sola lettura");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("file in uso da un altro programma");
    case EFBIG:
        return QStringLiteral("disco pieno: il file supera lo spazio concesso");
    default:
        break;
    }
#endif
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("la cartella non esiste");
    if (!folder.isWritable())
        return QStringLiteral("cartella in sola lettura");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("file in sola lettura");
    if (file.isDir())
        return QStringLiteral("al suo posto c'è una cartella");
    return QStringLiteral("errore del disco (codice %1)").arg(code);
}

void fail(const QString &path, QString *error)
{
#ifdef Q_OS_UNIX
    const int code = errno;
#else
    const int code = 0;
#endif
    if (error)
        *error = reasonOf(path, code);
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
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        fail(path, error);
        return false;
    }
    // QSaveFile::commit() forgets an error of its own final flush; every byte is therefore
    // flushed and checked here, before the old file is given up.
    if (!writeAll(file, bytes)) {
        fail(path, error);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        fail(path, error);
        return false;
    }
    return true;
}

} // namespace veltra::FileReplacement
