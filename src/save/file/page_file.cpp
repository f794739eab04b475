// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_file.h"

#include "save/file/page_identity.h"
#include "save/file/page_in_place.h"
#include "save/file/page_write_decision.h"
#include "save/file/system_reason.h"
#include "save/file/write_all.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Keeps SIGPIPE from ending the program while it lives: a reader that goes away in the
// middle of a write then makes the write fail with EPIPE instead. A SIGPIPE raised
// meanwhile is taken back before the earlier signal mask returns.
class PipeSignalHeld
{
public:
    PipeSignalHeld()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
    }
    ~PipeSignalHeld()
    {
        if (!m_wasPending) {
            const timespec noWait = {};
            while (sigtimedwait(&m_pipe, nullptr, &noWait) == SIGPIPE) { }
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld &) = delete;
    PipeSignalHeld &operator=(const PipeSignalHeld &) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_previous;
    bool m_wasPending = false;
};

// Closes the file it holds on every way out, a throwing producer's among them.
class OpenFile
{
public:
    explicit OpenFile(int descriptor)
        : m_descriptor(descriptor)
    { }
    ~OpenFile()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    int descriptor() const { return m_descriptor; }
    // Closes it now; returns the reason close() gave, or 0.
    int close()
    {
        const int result = ::close(m_descriptor);
        m_descriptor = -1;
        return result == 0 || errno == EINTR ? 0 : errno;
    }

private:
    int m_descriptor;
};

// Writes what produce hands over to file, where it stands; returns 0, or the errno of the
// write that failed, after which produce is told to stop.
int writeProduced(int file, const std::function<void(const PageSink &)> &produce)
{
    int error = 0;
    produce([&](QByteArrayView bytes) {
        return error == 0 && (error = writeAll(file, bytes)) == 0;
    });
    return error;
}

// A FIFO, a device or a socket is written in place: a new file renamed over it would
// replace it. It is opened without waiting, so a FIFO that no program reads from fails at
// once instead of freezing the window.
bool writeToDevice(const QString &path, const std::function<void(const PageSink &)> &produce,
                   QString *reason)
{
    OpenFile device(::open(QFile::encodeName(path).constData(),
                           O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (device.descriptor() < 0) {
        *reason = errno == ENXIO ? QCoreApplication::translate("writePageFile",
                                                               "No program is reading from it.")
                                 : systemReason(errno);
        return false;
    }
    fcntl(device.descriptor(), F_SETFL, fcntl(device.descriptor(), F_GETFL) & ~O_NONBLOCK);
    const PipeSignalHeld pipeSignalHeld;
    int error = writeProduced(device.descriptor(), produce);
    const int closeError = device.close();
    if (error == 0)
        error = closeError;
    if (error != 0) {
        *reason = systemReason(error);
        return false;
    }
    return true;
}

// Writes the page into the new file beside the path, syncs it to disk and renames it there,
// so a failure leaves the earlier file whole. A symbolic link is written through.
bool writeReplacement(QSaveFile &file, const std::function<void(const PageSink &)> &produce,
                      QString *reason)
{
    // The bytes go straight to the new file's descriptor, so that they meet the one write
    // loop and a full disk shows at the write that meets it, and the file is synced here:
    // QSaveFile::commit() does not report a failing sync to disk and would rename a page
    // whose data may never reach the disk over the earlier one. Should produce throw,
    // the unfinished file is dropped with the QSaveFile and the earlier one stays.
    const int descriptor = int(file.handle());
    int error = writeProduced(descriptor, produce);
    if (error == 0 && ::fsync(descriptor) != 0)
        error = errno;
    if (error != 0) {
        *reason = systemReason(error);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

// The file a save at path writes, with symbolic links followed as QSaveFile follows them,
// so that the folder looked at is the one a new file is made in.
QString finalPath(const QString &path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.filePath();
}

// Why the user may not add a file to the folder path is in, or 0.
int folderError(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(finalPath(path)).absolutePath());
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno;
}

// Whether the user may give a file this group: root any, others one they are in.
bool mayGiveGroup(gid_t group)
{
    if (geteuid() == 0 || getegid() == group)
        return true;
    std::vector<gid_t> groups(size_t(std::max(::getgroups(0, nullptr), 0)));
    groups.resize(size_t(std::max(::getgroups(int(groups.size()), groups.data()), 0)));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

// Opens the regular page for writing, and for reading too where it may be read.
int openPage(const QByteArray &name, PageFacts *facts)
{
    constexpr int flags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int descriptor = ::open(name.constData(), O_RDWR | flags);
    facts->access = PageAccess::ReadWrite;
    if (descriptor < 0 && errno == EACCES) {
        descriptor = ::open(name.constData(), O_WRONLY | flags);
        facts->access = PageAccess::WriteOnly;
    }
    if (descriptor < 0) {
        facts->access = PageAccess::None;
        facts->openError = errno;
    }
    return descriptor;
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
    const QByteArray name = QFile::encodeName(path);
    PageFacts facts;
    struct stat checked = {};
    if (::stat(name.constData(), &checked) != 0) // through a symbolic link
        facts.lookupError = errno == ENOENT ? 0 : errno;
    else
        facts.kind = S_ISREG(checked.st_mode)   ? PageKind::RegularFile
                     : S_ISDIR(checked.st_mode) ? PageKind::Folder
                                                : PageKind::Device;

    // An existing page is opened once, and what is written is the file that was looked at.
    OpenFile page(facts.kind == PageKind::RegularFile ? openPage(name, &facts) : -1);
    if (page.descriptor() >= 0) {
        struct stat opened = {};
        if (::fstat(page.descriptor(), &opened) != 0 || !S_ISREG(opened.st_mode)
            || opened.st_dev != checked.st_dev || opened.st_ino != checked.st_ino) {
            *reason = QCoreApplication::translate("writePageFile",
                                                  "The file was swapped for another while it "
                                                  "was being saved; nothing was written.");
            return false;
        }
        facts.names = opened.st_nlink;
        facts.ownedByUser = opened.st_uid == geteuid();
        facts.groupGivable = mayGiveGroup(opened.st_gid);
    }
    if (facts.kind == PageKind::Nothing || facts.kind == PageKind::RegularFile)
        facts.folderError = folderError(path);

    for (;;) {
        const PageWrite decision = decidePageWrite(facts);
        switch (decision.way) {
        case PageWriteWay::Refuse:
            *reason = decision.reason;
            return false;
        case PageWriteWay::WriteIntoDevice:
            return writeToDevice(path, produce, reason);
        case PageWriteWay::WriteInPlace:
            return writePageInPlace(page.descriptor(), facts.access == PageAccess::ReadWrite,
                                    produce, reason);
        case PageWriteWay::Create:
        case PageWriteWay::Replace: {
            // QSaveFile::handle() is the new file's descriptor (checked with Qt 6.4 and 6.8);
            // were it not, no page would take its identity, and the access-list row of the
            // save-failure table, which wants a new file, would fail.
            QSaveFile file(path);
            const bool opened = file.open(QIODevice::WriteOnly);
            if (decision.way == PageWriteWay::Create && !opened) {
                *reason = file.errorString();
                return false;
            }
            if (decision.way == PageWriteWay::Create
                || (opened && takePageIdentity(int(file.handle()), page.descriptor())))
                return writeReplacement(file, produce, reason);
            file.cancelWriting();
            facts.replacementFailed = true; // and the decision is asked again
            break;
        }
        }
    }
}
