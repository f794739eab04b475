#include "save/page_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A write can stop short, for instance when the disk fills up; only the write after it
// reports why, so keep writing until every byte is out or a write fails.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// A FIFO, a device or a socket is written in place: a new file renamed over it would
// replace it.
bool writeInPlace(const QString &path, const QByteArray &bytes, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    if (!writeAll(file, bytes)) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool writePageFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    const QFileInfo target(path); // follows a symbolic link to what it points at
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, bytes, reason);

    // Written beside the target and renamed over it, so a failure leaves the earlier file
    // whole. A symbolic link is written through and an existing file keeps its permissions.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    // On a full disk the last bytes may only fail at flush(), and commit() can then still
    // report success, so every step is checked before the rename.
    if (!writeAll(file, bytes) || !file.flush()) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}
