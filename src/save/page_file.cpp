// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/page_file.h"

#include "save/page_identity.h"
#include "save/page_in_place.h"
#include "save/system_reason.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

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
    int error = 0;
    produce([&](QByteArrayView bytes) {
        for (qsizetype written = 0; error == 0 && written < bytes.size();) {
            const ssize_t result = ::write(device.descriptor(), bytes.constData() + written,
                                           size_t(bytes.size() - written));
            if (result > 0)
                written += result;
            else if (result == 0 || errno != EINTR)
                error = result < 0 ? errno : EIO;
        }
        return error == 0;
    });
    const int closeError = device.close();
    if (error == 0)
        error = closeError;
    if (error != 0) {
        *reason = systemReason(error);
        return false;
    }
    return true;
}

// Writes the page beside the file and renames it over it, so a failure leaves the earlier
// file whole. A symbolic link is written through.
bool writeReplacement(QSaveFile &file, const std::function<void(const PageSink &)> &produce,
                      QString *reason)
{
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
    struct stat checked = {};
    const bool exists = ::stat(name.constData(), &checked) == 0; // through a symbolic link
    if (exists && !S_ISREG(checked.st_mode) && !S_ISDIR(checked.st_mode))
        return writeToDevice(path, produce, reason);

    // An existing page is opened once, and what is written is the file that was looked at.
    // A page that cannot be opened is left to QSaveFile, which says why.
    OpenFile page(exists && S_ISREG(checked.st_mode)
                          ? ::open(name.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)
                          : -1);
    QSaveFile file(path);
    if (page.descriptor() < 0) {
        if (!file.open(QIODevice::WriteOnly)) {
            *reason = file.errorString();
            return false;
        }
        return writeReplacement(file, produce, reason);
    }
    struct stat opened = {};
    if (::fstat(page.descriptor(), &opened) != 0 || !S_ISREG(opened.st_mode)
        || opened.st_dev != checked.st_dev || opened.st_ino != checked.st_ino) {
        *reason = QCoreApplication::translate("writePageFile",
                                              "The file was swapped for another while it was "
                                              "being saved; nothing was written.");
        return false;
    }
    // QSaveFile::handle() is the new file's descriptor (checked with Qt 6.4 and 6.8); were it
    // not, every page would be written in place, which the killed-save test would catch.
    if (mayReplacePage(opened) && file.open(QIODevice::WriteOnly)
        && takePageIdentity(int(file.handle()), page.descriptor()))
        return writeReplacement(file, produce, reason);
    file.cancelWriting();
    return writePageInPlace(page.descriptor(), produce, reason);
}
