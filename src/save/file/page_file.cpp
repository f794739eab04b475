// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_file.h"

#include "save/file/file_descriptor.h"
#include "save/file/page_identity.h"
#include "save/file/page_in_place.h"
#include "save/file/page_location.h"
#include "save/file/page_replacement.h"
#include "save/file/page_write_decision.h"
#include "save/file/system_reason.h"
#include "save/file/write_all.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <pthread.h>
#include <sys/ioctl.h>
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

// What a save finds at its path: where the page lies, the facts the decision is made from
// and the page itself, opened once, so that what is written is the file that was looked at.
struct PageLookup
{
    PageLocation location;
    PageFacts facts;
    OpenFile page; // a regular page, where it opened
    struct stat status = {}; // of what is at the path
};

PageKind kindOf(mode_t mode)
{
    return S_ISREG(mode)    ? PageKind::RegularFile
           : S_ISDIR(mode)  ? PageKind::Folder
           : S_ISBLK(mode)  ? PageKind::BlockDevice
           : S_ISSOCK(mode) ? PageKind::Socket
                            : PageKind::Device;
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
void openPage(PageLookup &lookup)
{
    constexpr int flags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW;
    const int folder = lookup.location.folder.descriptor();
    const char *name = lookup.location.name.constData();
    PageFacts &facts = lookup.facts;
    lookup.page = OpenFile(::openat(folder, name, O_RDWR | flags));
    facts.access = PageAccess::ReadWrite;
    if (lookup.page.descriptor() < 0 && errno == EACCES) {
        lookup.page = OpenFile(::openat(folder, name, O_WRONLY | flags));
        facts.access = PageAccess::WriteOnly;
    }
    if (lookup.page.descriptor() < 0) {
        facts.access = PageAccess::None;
        facts.openError = errno;
        return;
    }
    struct stat opened = {};
    facts.swapped = ::fstat(lookup.page.descriptor(), &opened) != 0 || !S_ISREG(opened.st_mode)
                    || opened.st_dev != lookup.status.st_dev
                    || opened.st_ino != lookup.status.st_ino;
    lookup.status = opened;
    facts.names = opened.st_nlink;
    facts.ownedByUser = opened.st_uid == geteuid();
    facts.groupGivable = mayGiveGroup(opened.st_gid);
}

// Whether the user may add a file to the page's folder, and rename it there: not in a folder
// that keeps every name it has (append-only), whose attribute is read where it may be.
void lookUpFolder(PageLookup &lookup)
{
    const int folder = lookup.location.folder.descriptor();
    lookup.facts.folderError = ::faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno;
    const OpenFile readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int attributes = 0;
    lookup.facts.folderAppendOnly
            = readable.descriptor() >= 0
              && ::ioctl(readable.descriptor(), FS_IOC_GETFLAGS, &attributes) == 0
              && (attributes & FS_APPEND_FL) != 0;
}

// Looks up what is at the path, in its real folder, and opens a regular page there.
PageLookup lookUp(const QString &path)
{
    PageLookup lookup;
    lookup.location = locatePage(QFile::encodeName(path));
    PageFacts &facts = lookup.facts;
    if (lookup.location.error != 0) {
        facts.lookupError = lookup.location.error;
        return lookup;
    }
    if (::fstatat(lookup.location.folder.descriptor(), lookup.location.name.constData(),
                  &lookup.status, AT_SYMLINK_NOFOLLOW)
        != 0)
        facts.lookupError = errno == ENOENT ? 0 : errno;
    else
        facts.kind = kindOf(lookup.status.st_mode);
    if (facts.kind == PageKind::RegularFile)
        openPage(lookup);
    if (facts.kind == PageKind::Nothing || facts.kind == PageKind::RegularFile)
        lookUpFolder(lookup);
    return lookup;
}

// The decision, with the new file made where it is to create or replace the page. A new
// file that cannot take the page's group, mode, access list and other attributes cannot
// stand in for it: the decision is then asked again, and the page is written in place.
PageWrite decideWithReplacement(PageLookup &lookup, std::optional<PageReplacement> &replacement)
{
    const PageWrite decision = decidePageWrite(lookup.facts);
    if (decision.way != PageWriteWay::Create && decision.way != PageWriteWay::Replace)
        return decision;
    replacement.emplace(lookup.location.folder.descriptor(), lookup.location.name);
    if (decision.way == PageWriteWay::Create
        || takePageIdentity(replacement->descriptor(), lookup.page.descriptor()))
        return decision;
    replacement.reset();
    lookup.facts.replacementFailed = true;
    return decidePageWrite(lookup.facts);
}

// A FIFO or a character device is written in place: a new file renamed over it would
// replace it. It is opened without waiting, so a FIFO that no program reads from fails at
// once instead of freezing the window.
bool writeToDevice(const PageLocation &location,
                   const std::function<void(const PageSink &)> &produce, QString *reason)
{
    OpenFile device(::openat(location.folder.descriptor(), location.name.constData(),
                             O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
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

// Writes the page into the new file, syncs it to disk and only then gives it the page's name
// (page_replacement.h), so a failure leaves the earlier file whole. The bytes meet the one
// write loop, so a full disk shows at the write that meets it; a failing sync is an error.
bool writeReplacement(PageReplacement &file, const struct stat *earlier,
                      const std::function<void(const PageSink &)> &produce, QString *reason)
{
    if (file.descriptor() < 0) {
        *reason = systemReason(file.openError());
        return false;
    }
    int error = writeProduced(file.descriptor(), produce);
    if (error == 0 && ::fsync(file.descriptor()) != 0)
        error = errno;
    const QString failure = error != 0 ? systemReason(error) : file.commit(earlier);
    if (!failure.isEmpty())
        *reason = failure;
    return failure.isEmpty();
}

} // namespace

bool writePageFile(const QString &path, const std::function<void(const PageSink &)> &produce,
                   QString *reason)
{
    PageLookup lookup = lookUp(path);
    std::optional<PageReplacement> replacement;
    const PageWrite decision = decideWithReplacement(lookup, replacement);
    switch (decision.way) {
    case PageWriteWay::Refuse:
        *reason = decision.reason;
        return false;
    case PageWriteWay::WriteIntoDevice:
        return writeToDevice(lookup.location, produce, reason);
    case PageWriteWay::WriteInPlace:
        return writePageInPlace(lookup.page.descriptor(),
                                lookup.facts.access == PageAccess::ReadWrite, produce, reason);
    case PageWriteWay::Create:
    case PageWriteWay::Replace:
        break;
    }
    return writeReplacement(*replacement,
                            decision.way == PageWriteWay::Replace ? &lookup.status : nullptr,
                            produce, reason);
}
