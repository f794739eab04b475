// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_write_decision.h"

#include "save/file/system_reason.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

PageWrite refuse(const QString &reason)
{
    return {PageWriteWay::Refuse, reason};
}

} // namespace

QString swappedPageReason()
{
    return QCoreApplication::translate("writePageFile",
                                       "The file was swapped for another while it was being "
                                       "saved; nothing was written.");
}

PageWrite decidePageWrite(const PageFacts &facts)
{
    if (facts.lookupError != 0)
        return refuse(systemReason(facts.lookupError));
    switch (facts.kind) {
    case PageKind::Nothing:
        return facts.folderError == 0 ? PageWrite{PageWriteWay::Create, {}}
                                      : refuse(systemReason(facts.folderError));
    case PageKind::Folder:
        return refuse(systemReason(EISDIR));
    case PageKind::Device:
        return {PageWriteWay::WriteIntoDevice, {}};
    case PageKind::BlockDevice:
        return refuse(QCoreApplication::translate(
                "writePageFile", "It is a disk, not a file; a page is not written over a disk."));
    case PageKind::Socket:
        return refuse(QCoreApplication::translate(
                "writePageFile", "It is a socket, not a file; a page cannot be written into it."));
    case PageKind::RegularFile:
        break;
    }
    if (facts.swapped)
        return refuse(swappedPageReason());
    if (facts.access == PageAccess::None) {
        return refuse(QCoreApplication::translate("writePageFile", "The file is not writable: %1.")
                              .arg(systemReason(facts.openError)));
    }
    const bool replaceable = facts.names == 1 && facts.ownedByUser && facts.groupGivable
                             && facts.folderError == 0 && !facts.folderAppendOnly
                             && !facts.replacementFailed;
    return {replaceable ? PageWriteWay::Replace : PageWriteWay::WriteInPlace, {}};
}
