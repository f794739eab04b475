// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <sys/types.h>

// How a save writes its page, decided from what was looked up about the path, in this one
// place. The writing follows from the answer.

// A device: a character device or a FIFO, written through; a disk is a block device.
enum class PageKind { Nothing, RegularFile, Folder, Device, BlockDevice, Socket };
enum class PageAccess { None, ReadWrite, WriteOnly }; // how the page opens for writing

// What was looked up about the path (through symbolic links, as the kernel follows them)
// before the save.
struct PageFacts
{
    int lookupError = 0; // why stat() failed, where the reason was not that nothing is there
    PageKind kind = PageKind::Nothing;
    PageAccess access = PageAccess::None;
    int openError = 0; // why the page does not open for writing
    bool swapped = false; // the name came to name another file than the page looked up
    int folderError = 0; // why the user may not add a file to its folder, or 0
    bool folderAppendOnly = false; // its folder keeps every name it has: nothing is renamed over
    nlink_t names = 1; // names (hard links) of the page
    bool ownedByUser = false; // as a new file would be
    bool groupGivable = false; // the user may give a new file the page's group
    // A new file was made beside the page but could not be given the page's group, mode,
    // access list and other extended attributes. Whether that works (an access list the
    // file system takes, an attribute only root may set) shows only by trying.
    bool replacementFailed = false;
};

enum class PageWriteWay {
    Create, // a new file, written beside the path and renamed to it
    Replace, // the same, renamed over the page, which the new file stands in for
    WriteInPlace, // the page itself is written, so it stays the same file
    WriteIntoDevice, // a FIFO or device is written through, as it stands
    Refuse, // nothing is written, for reason
};

struct PageWrite
{
    PageWriteWay way;
    QString reason; // why a save is refused
};

// The reason a save gives where its path came to name another file while it was saved.
QString swappedPageReason();

// A page is replaced only where the new file can become the same page to everyone else: it
// has one name, the user owns it and may give the new file its group, and may add a file to
// its folder and rename it there. Any other page the user may write is written in place. A
// disk is never written over: a page saved there would overwrite what the disk holds.
PageWrite decidePageWrite(const PageFacts &facts);
