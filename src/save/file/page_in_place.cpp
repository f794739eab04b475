// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_in_place.h"

#include "save/file/system_reason.h"
#include "save/file/write_all.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <linux/magic.h>
#include <new>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr decltype(statfs::f_type) zfsMagic = 0x2fc12fc1;

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

// The bytes produce hands over, counted.
off_t countBytes(const std::function<void(const PageSink &)> &produce)
{
    off_t size = 0;
    produce([&](QByteArrayView bytes) {
        size += bytes.size();
        return true;
    });
    return size;
}

// Reserves the new page's room on disk, so that a full disk fails here, before the earlier
// page changes. fallocate(2) itself, not posix_fallocate(), which, where the file system
// cannot reserve room, reads and rewrites a byte of every block instead: that fails on a page
// opened write-only and races any other writer of the page. Such a file system is written
// all the same: a readable page with its earlier bytes to fall back on, a write-only one
// without. Returns 0, or why not.
int reserveRoom(int page, off_t size)
{
    if (const int error = roomToOverwrite(page, size))
        return error;
    int result = 0;
    do
        result = size > 0 ? ::fallocate(page, 0, 0, size) : 0;
    while (result != 0 && errno == EINTR);
    return result == 0 || errno == EOPNOTSUPP || errno == EINVAL ? 0 : errno;
}

// The earlier page's bytes, read from the page just before they are overwritten or cut off,
// where it may be read; so at most the earlier page is held, whole. Its room is taken at once,
// before a byte of the page changes, so that keeping them never runs out of memory later.
class EarlierBytes
{
public:
    EarlierBytes(int page, bool readable, off_t size)
        : m_page(page)
        , m_readable(readable)
        , m_size(size)
    {
        if (readable)
            m_kept.reserve(qsizetype(size));
    }

    // Keeps the bytes up to end, in the room taken; returns 0, or why they could not be read.
    int keepUpTo(off_t end)
    {
        const qint64 wanted = std::min<qint64>(end, m_size) - m_kept.size();
        if (!m_readable || wanted <= 0)
            return 0;
        const qsizetype start = m_kept.size();
        m_kept.resize(start + wanted);
        for (qsizetype done = 0; done < wanted;) {
            const ssize_t count = ::pread(m_page, m_kept.data() + start + done,
                                          size_t(wanted - done), off_t(start + done));
            if (count <= 0 && !(count < 0 && errno == EINTR)) {
                m_kept.truncate(start + done);
                return count < 0 ? errno : EIO;
            }
            done += std::max<ssize_t>(count, 0);
        }
        return 0;
    }

    // Writes the earlier page back over the page; false where that failed.
    bool putBack() const
    {
        off_t start = 0;
        return writeAll(m_page, m_kept, &start) == 0 && ::ftruncate(m_page, m_size) == 0
               && ::fsync(m_page) == 0;
    }

    off_t size() const { return m_size; }

private:
    int m_page;
    bool m_readable;
    off_t m_size;
    QByteArray m_kept;
};

// Writes what produce hands over from the page's start, keeping each earlier byte before it
// is overwritten; *offset is where the writing got to. Returns why it failed, or nothing. An
// exception from produce (an encoder out of memory, say) is a failure like a failed write, so
// that the earlier bytes are put back: it never leaves the page half-written.
QString writeKeeping(int page, EarlierBytes &earlier,
                     const std::function<void(const PageSink &)> &produce, off_t *offset)
{
    QString failure;
    try {
        produce([&](QByteArrayView bytes) {
            if (const int error = earlier.keepUpTo(*offset + bytes.size()))
                failure = systemReason(error);
            else if (const int error = writeAll(page, bytes, offset))
                failure = systemReason(error);
            return failure.isEmpty();
        });
    } catch (const std::bad_alloc &) {
        failure = systemReason(ENOMEM);
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    return failure;
}

// Keeps the earlier bytes past the new page's end, cuts them off and syncs the page to disk.
QString finishWriting(int page, EarlierBytes &earlier, off_t end)
{
    if (const int error = earlier.keepUpTo(earlier.size()))
        return systemReason(error);
    return ::ftruncate(page, end) == 0 && ::fsync(page) == 0 ? QString() : systemReason(errno);
}

} // namespace

bool writePageInPlace(int page, bool readable, const std::function<void(const PageSink &)> &produce,
                      QString *reason)
{
    struct stat status = {};
    if (::fstat(page, &status) != 0) {
        *reason = systemReason(errno);
        return false;
    }
    // Counting and taking the room for the earlier bytes may throw; nothing has changed yet.
    const off_t size = countBytes(produce);
    EarlierBytes earlier(page, readable, status.st_size);
    if (const int error = reserveRoom(page, size)) {
        // A reservation that ran out part of the way may have lengthened the file (ext4's
        // does), so its earlier length is put back.
        *reason = ::ftruncate(page, status.st_size) == 0 ? systemReason(error)
                                                         : notPutBack(systemReason(error));
        return false;
    }

    off_t offset = 0;
    QString failure = writeKeeping(page, earlier, produce, &offset);
    const bool written = failure.isEmpty();
    if (written)
        failure = finishWriting(page, earlier, offset);
    if (failure.isEmpty())
        return true;

    if (offset == 0 && !written) // no byte of the page changed
        *reason = ::ftruncate(page, status.st_size) == 0 ? failure : notPutBack(failure);
    else if (!readable)
        *reason = notKept(failure);
    else
        *reason = earlier.putBack() ? putBack(failure) : notPutBack(failure);
    return false;
}
