// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_replacement.h"

#include "save/file/page_write_decision.h"
#include "save/file/system_reason.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int mostTries = 100; // names tried before the folder is taken to have none free

// A name beside the page: "NAME.XXXXXX", with the page's name cut short, at the start of a
// character, where the whole would be longer than the folder's file system takes.
QByteArray temporaryName(int folder, const QByteArray &name)
{
    static constexpr char letters[]
            = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const long longest = ::fpathconf(folder, _PC_NAME_MAX);
    QByteArray temporary = name;
    qsizetype end = std::min(name.size(), qsizetype(longest > 0 ? longest : NAME_MAX) - 7);
    while (end > 0 && end < name.size() && (uchar(name.at(end)) & 0xC0) == 0x80)
        --end;
    temporary.truncate(end);
    temporary += '.';
    for (int letter = 0; letter < 6; ++letter)
        temporary += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return temporary;
}

// The name under which a file made without one can be linked into a folder.
QByteArray unnamedFile(int file)
{
    return "/proc/self/fd/" + QByteArray::number(file);
}

bool sameFile(const struct stat &one, const struct stat &other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

} // namespace

PageReplacement::PageReplacement(int folder, const QByteArray &name)
    : m_folder(folder)
    , m_name(name)
    , m_file(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666))
{
    if (descriptor() >= 0 || (errno != EOPNOTSUPP && errno != EISDIR)) {
        m_openError = descriptor() >= 0 ? 0 : errno;
        return;
    }
    // A file system without unnamed files: the new file has its temporary name from the start.
    for (int tries = 0; tries < mostTries && descriptor() < 0; ++tries) {
        const QByteArray candidate = temporaryName(folder, name);
        m_file = OpenFile(::openat(folder, candidate.constData(),
                                   O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (descriptor() >= 0)
            m_temporaryName = candidate;
        else if (errno != EEXIST)
            break;
    }
    m_openError = descriptor() >= 0 ? 0 : errno;
}

PageReplacement::~PageReplacement()
{
    if (!m_temporaryName.isEmpty())
        ::unlinkat(m_folder, m_temporaryName.constData(), 0);
}

int PageReplacement::linkUnderTemporaryName()
{
    for (int tries = 0; tries < mostTries; ++tries) {
        const QByteArray candidate = temporaryName(m_folder, m_name);
        if (::linkat(AT_FDCWD, unnamedFile(descriptor()).constData(), m_folder,
                     candidate.constData(), AT_SYMLINK_FOLLOW)
            == 0) {
            m_temporaryName = candidate;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

QString PageReplacement::commit(const struct stat *earlier)
{
    if (!earlier && m_temporaryName.isEmpty()) {
        // A new page is linked straight in, where nothing has come meanwhile.
        if (::linkat(AT_FDCWD, unnamedFile(descriptor()).constData(), m_folder, m_name.constData(),
                     AT_SYMLINK_FOLLOW)
            == 0)
            return {};
        return errno == EEXIST ? swappedPageReason() : systemReason(errno);
    }
    if (const int error = m_temporaryName.isEmpty() ? linkUnderTemporaryName() : 0)
        return systemReason(error);
    // The new file takes the name in one step that fails, or is undone, where the name no
    // longer names what was looked up: it is exchanged with the page, or put where nothing is.
    const char *temporary = m_temporaryName.constData();
    if (::renameat2(m_folder, temporary, m_folder, m_name.constData(),
                    earlier ? RENAME_EXCHANGE : RENAME_NOREPLACE)
        == 0) {
        if (earlier)
            return keepIfPageCameOut(*earlier);
        m_temporaryName.clear();
        return {};
    }
    if (errno == (earlier ? ENOENT : EEXIST))
        return swappedPageReason();
    return errno == EINVAL ? checkAndRename(earlier) : systemReason(errno);
}

// After the exchange, what came out under the temporary name must be the page looked up, which
// then goes; anything else is exchanged back, so it keeps its name.
QString PageReplacement::keepIfPageCameOut(const struct stat &earlier)
{
    const char *temporary = m_temporaryName.constData();
    struct stat cameOut = {};
    if (::fstatat(m_folder, temporary, &cameOut, AT_SYMLINK_NOFOLLOW) == 0
        && sameFile(cameOut, earlier)) {
        ::unlinkat(m_folder, temporary, 0);
        m_temporaryName.clear();
        return {};
    }
    if (::renameat2(m_folder, temporary, m_folder, m_name.constData(), RENAME_EXCHANGE) != 0) {
        // The other file stays under the temporary name, which must then not be removed.
        m_temporaryName.clear();
        return systemReason(errno);
    }
    return swappedPageReason();
}

// Where the file system cannot exchange two names or refuse to replace one (EINVAL), the name
// is checked and then renamed over: a file put in the page's place in the moment between the
// two is renamed over.
QString PageReplacement::checkAndRename(const struct stat *earlier)
{
    struct stat now = {};
    const bool found = ::fstatat(m_folder, m_name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    if (earlier ? !found || !sameFile(now, *earlier) : found || errno != ENOENT)
        return swappedPageReason();
    if (::renameat(m_folder, m_temporaryName.constData(), m_folder, m_name.constData()) != 0)
        return systemReason(errno);
    m_temporaryName.clear();
    return {};
}
