// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_location.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace {

constexpr int mostLinks = 40; // as many as the kernel follows in one path

// The link's text, or an empty array with errno set.
QByteArray linkText(int folder, const QByteArray &name)
{
    QByteArray text(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(folder, name.constData(), text.data(), size_t(PATH_MAX));
    if (length == 0 || length >= PATH_MAX)
        errno = length == 0 ? ENOENT : ENAMETOOLONG;
    return length > 0 && length < PATH_MAX ? text.first(length) : QByteArray();
}

} // namespace

PageLocation locatePage(const QByteArray &path)
{
    PageLocation location;
    QByteArray remaining = path;
    OpenFile linkFolder; // the real folder of the last link followed
    for (int links = 0; links <= mostLinks; ++links) {
        const qsizetype slash = remaining.lastIndexOf('/');
        const QByteArray folder = slash < 0    ? QByteArray(".")
                                  : slash == 0 ? QByteArray("/")
                                               : remaining.first(slash);
        location.name = remaining.sliced(slash + 1);
        const int from = linkFolder.descriptor() >= 0 ? linkFolder.descriptor() : AT_FDCWD;
        location.folder
                = OpenFile(::openat(from, folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (location.folder.descriptor() < 0) {
            location.error = errno;
            return location;
        }
        if (location.name.isEmpty() || location.name == "." || location.name == "..") {
            location.error = EISDIR;
            return location;
        }
        struct stat status = {};
        if (::fstatat(location.folder.descriptor(), location.name.constData(), &status,
                      AT_SYMLINK_NOFOLLOW)
                    != 0
            || !S_ISLNK(status.st_mode))
            return location; // what is there, or why it cannot be looked up, the lookup tells
        remaining = linkText(location.folder.descriptor(), location.name);
        if (remaining.isEmpty()) {
            location.error = errno;
            return location;
        }
        linkFolder = std::move(location.folder);
    }
    location.error = ELOOP;
    return location;
}
