// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_identity.h"

#include <QByteArrayList>

#include <cerrno>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

using Attributes = std::map<QByteArray, QByteArray>;

// Every extended attribute the file has, by name; none where its file system keeps none.
std::optional<Attributes> extendedAttributes(int file)
{
    const ssize_t length = flistxattr(file, nullptr, 0);
    if (length < 0)
        return errno == ENOTSUP ? std::optional(Attributes()) : std::nullopt;
    QByteArray names(length, '\0');
    if (flistxattr(file, names.data(), size_t(length)) != length)
        return std::nullopt;
    Attributes attributes;
    for (const QByteArray &name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        const ssize_t size = fgetxattr(file, name.constData(), nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray value(size, '\0');
        if (fgetxattr(file, name.constData(), value.data(), size_t(size)) != size)
            return std::nullopt;
        attributes[name] = value;
    }
    return attributes;
}

} // namespace

bool takePageIdentity(int newFile, int page)
{
    if (newFile < 0)
        return false;
    struct stat wanted = {};
    const std::optional<Attributes> wantedAttributes = extendedAttributes(page);
    const std::optional<Attributes> newAttributes = extendedAttributes(newFile);
    if (fstat(page, &wanted) != 0 || !wantedAttributes || !newAttributes
        || fchown(newFile, uid_t(-1), wanted.st_gid) != 0)
        return false;
    // An attribute the folder gave the new file (a default access list) that the page lacks
    // goes; the page's own are set, the access list before the mode, whose group bits then
    // agree with the list's mask.
    for (const auto &[name, value] : *newAttributes) {
        if (!wantedAttributes->contains(name) && fremovexattr(newFile, name.constData()) != 0)
            return false;
    }
    for (const auto &[name, value] : *wantedAttributes) {
        const auto present = newAttributes->find(name);
        if (present != newAttributes->end() && present->second == value)
            continue;
        if (fsetxattr(newFile, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
    struct stat taken = {};
    return fchmod(newFile, wanted.st_mode & 07777) == 0 && fstat(newFile, &taken) == 0
           && taken.st_uid == wanted.st_uid && taken.st_gid == wanted.st_gid
           && taken.st_mode == wanted.st_mode && extendedAttributes(newFile) == wantedAttributes;
}
