// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/page_in_place.h"

#include "save/system_reason.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Makes pieces, one after another, the whole content of the file, and waits until it is on
// disk. On failure errno says why.
bool writeContent(int file, const QByteArrayList &pieces)
{
    off_t offset = 0;
    for (const QByteArray &piece : pieces) {
        // A write can stop short, for instance when the disk fills up; only the write after
        // it reports why.
        for (qsizetype written = 0; written < piece.size();) {
            const ssize_t result = ::pwrite(file, piece.constData() + written,
                                            size_t(piece.size() - written), offset + written);
            if (result < 0 && errno == EINTR)
                continue;
            if (result <= 0) {
                if (result == 0)
                    errno = EIO;
                return false;
            }
            written += result;
        }
        offset += piece.size();
    }
    return ::ftruncate(file, offset) == 0 && ::fsync(file) == 0;
}

} // namespace

bool writePageInPlace(int page, const std::function<void(const PageSink &)> &produce,
                      QString *reason)
{
    QByteArrayList pieces;
    off_t size = 0;
    produce([&](QByteArrayView bytes) {
        pieces << bytes.toByteArray();
        size += bytes.size();
        return true;
    });

    QFile earlierFile;
    QByteArray earlier;
    if (earlierFile.open(page, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        earlier = earlierFile.readAll();
    if (earlierFile.error() != QFileDevice::NoError) {
        *reason = earlierFile.errorString();
        return false;
    }

    const auto notPutBack = [](const QString &failure) {
        return QCoreApplication::translate("writePageFile",
                                           "%1.\nThe earlier page could not be put back; the "
                                           "file may hold part of the new page.")
                .arg(failure);
    };
    // A full disk fails here, before the earlier page changes. A file system that cannot
    // reserve room is written all the same, with the earlier bytes to fall back on.
    const int reserved = size > 0 ? ::posix_fallocate(page, 0, size) : 0;
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
        // A reservation that ran out part of the way may have lengthened the file (ext4's
        // does), so its earlier length is put back.
        *reason = ::ftruncate(page, off_t(earlier.size())) == 0
                          ? systemReason(reserved)
                          : notPutBack(systemReason(reserved));
        return false;
    }

    if (writeContent(page, pieces))
        return true;
    const QString failure = systemReason(errno);
    *reason = writeContent(page, {earlier})
                      ? QCoreApplication::translate("writePageFile",
                                                    "%1.\nThe earlier page was put back unchanged.")
                                .arg(failure)
                      : notPutBack(failure);
    return false;
}
