// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/file/file_descriptor.h"

#include <QByteArray>

// Where a save's page lies: the real folder that holds it, open, and its name there. It is
// found as the kernel finds it: the text of each symbolic link is read from the folder the
// link really is in, so "../shared/page.html" in a folder reached through another link climbs
// out of the real folder, not out of the name the path gave it.
struct PageLocation
{
    OpenFile folder; // opened for lookups alone (O_PATH)
    QByteArray name; // in folder; not a symbolic link, or nothing is there yet
    int error = 0; // why the folder could not be reached, or 0
};

// path as the system names it (QFile::encodeName).
PageLocation locatePage(const QByteArray &path);
