#include "save/page_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A write can stop short, for instance when the disk fills up; only the write after it
// reports why, so keep writing until every byte is out or a write fails.
bool writeAll(QFileDevice &file, QByteArrayView bytes)
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
bool writeInPlace(const QString &path, const std::function<void(const PageSink &)> &produce,
                  QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    bool written = true;
    produce([&](QByteArrayView bytes) { return written = written && writeAll(file, bytes); });
    if (!written) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool writePageFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    return writePageFile(
            path, [&bytes](const PageSink &write) { write(bytes); }, reason);
}

bool writePageFile(const QString &path, const std::function<void(const PageSink &)> &produce,
                   QString *reason)
{
    const QFileInfo target(path); // follows a symbolic link to what it points at
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, produce, reason);

    // Written beside the target and renamed over it, so a failure leaves the earlier file
    // whole. A symbolic link is written through and an existing file keeps its permissions.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    // On a full disk the last bytes may only fail at flush(), and commit() can then still
    // report success, so every step is checked before the rename. Should produce throw, the
    // unfinished file is dropped with the QSaveFile and the earlier one stays.
    bool written = true;
    produce([&](QByteArrayView bytes) { return written = written && writeAll(file, bytes); });
    if (!written || !file.flush()) {
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
