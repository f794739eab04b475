// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_in_place.h"

#include "save/file/system_reason.h"
#include "save/file/write_all.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr __fsword_t zfsMagic = 0x2fc12fc1;

// On a copy-on-write file system (btrfs, ZFS) an overwritten block is written anew elsewhere,
// so reserving room over the earlier page reserves nothing: a full disk would stop the write
// part of the way, and putting the earlier bytes back would need room too. There the whole
// new page must fit in the free room before the first byte changes; on btrfs a page that
// fitted with a few KiB to spare was written whole, and the margin leaves room for others
// writing meanwhile. Returns 0, or why not.
int roomToOverwrite(int page, off_t size)
{
    struct statfs fileSystem = {};
    if (::fstatfs(page, &fileSystem) != 0)
        return errno;
    if (fileSystem.f_type != BTRFS_SUPER_MAGIC && fileSystem.f_type != zfsMagic)
        return 0;
    const auto block = qint64(fileSystem.f_bsize);
    const qint64 needed = (qint64(size) + block - 1) / block * block + 256 * 1024;
    return qint64(fileSystem.f_bavail) * block >= needed ? 0 : ENOSPC;
}

QString putBack(const QString &failure)
{
    return QCoreApplication::translate("writePageFile",
                                       "%1.\nThe earlier page was put back unchanged.")
            .arg(failure);
}

QString notPutBack(const QString &failure)
{
    return QCoreApplication::translate("writePageFile",
                                       "%1.\nThe earlier page could not be put back; the file "
                                       "may hold part of the new page.")
            .arg(failure);
}

QString notKept(const QString &failure)
{
    return QCoreApplication::translate("writePageFile",
                                       "%1.\nThe file may not be read, so its earlier content "
                                       "could not be kept; the file may hold part of the new "
                                       "page.")
            .arg(failure);
}

} // namespace

bool writePageInPlace(int page, bool readable, const std::function<void(const PageSink &)> &produce,
                      QString *reason)
{
    off_t size = 0;
    produce([&](QByteArrayView bytes) {
        size += bytes.size();
        return true;
    });
    struct stat earlier = {};
    QFile earlierFile;
    if (::fstat(page, &earlier) != 0
        || (readable
            && !earlierFile.open(page, QIODevice::ReadOnly | QIODevice::Unbuffered,
                                 QFileDevice::DontCloseHandle))) {
        *reason = readable ? earlierFile.errorString() : systemReason(errno);
        return false;
    }

    // A full disk fails here, before the earlier page changes. A file system that cannot
    // reserve room is written all the same, with the earlier bytes to fall back on.
    int reserved = roomToOverwrite(page, size);
    if (reserved == 0 && size > 0)
        reserved = ::posix_fallocate(page, 0, size);
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
        // A reservation that ran out part of the way may have lengthened the file (ext4's
        // does), so its earlier length is put back.
        *reason = ::ftruncate(page, earlier.st_size) == 0 ? systemReason(reserved)
                                                          : notPutBack(systemReason(reserved));
        return false;
    }

    // The earlier bytes up to end, read before they are overwritten.
    QByteArray kept;
    const auto keepUpTo = [&](off_t end) {
        const qint64 wanted = std::min<qint64>(end, earlier.st_size) - kept.size();
        if (!readable || wanted <= 0)
            return true;
        const QByteArray bytes
                = earlierFile.seek(kept.size()) ? earlierFile.read(wanted) : QByteArray();
        kept += bytes;
        return bytes.size() == wanted;
    };
    off_t offset = 0;
    QString failure;
    produce([&](QByteArrayView bytes) {
        if (failure.isEmpty() && !keepUpTo(offset + bytes.size()))
            failure = earlierFile.errorString();
        if (const int error = failure.isEmpty() ? writeAll(page, bytes, &offset) : 0)
            failure = systemReason(error);
        return failure.isEmpty();
    });
    const bool written = failure.isEmpty();
    if (written && !keepUpTo(earlier.st_size))
        failure = earlierFile.errorString();
    else if (written && (::ftruncate(page, offset) != 0 || ::fsync(page) != 0))
        failure = systemReason(errno);
    if (failure.isEmpty())
        return true;

    if (offset == 0 && !written) { // no byte of the page changed
        *reason = ::ftruncate(page, earlier.st_size) == 0 ? failure : notPutBack(failure);
        return false;
    }
    if (!readable) {
        *reason = notKept(failure);
        return false;
    }
    off_t start = 0;
    *reason = writeAll(page, kept, &start) == 0 && ::ftruncate(page, earlier.st_size) == 0
                              && ::fsync(page) == 0
                      ? putBack(failure)
                      : notPutBack(failure);
    return false;
}
