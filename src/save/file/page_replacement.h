// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/file/file_descriptor.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// A new file made in the page's real folder, written and synced there, and only then given
// the page's name, in one rename, so that a failure or a kill on the way leaves the earlier
// page whole. It is made without a name (O_TMPFILE) where the file system can, so that an
// unfinished one vanishes with the program; it is linked under a temporary name that fits
// the folder's longest name just before the rename.
class PageReplacement
{
public:
    PageReplacement(int folder, const QByteArray &name);
    ~PageReplacement();
    PageReplacement(const PageReplacement &) = delete;
    PageReplacement &operator=(const PageReplacement &) = delete;

    // The new file, open for writing, or -1 with the reason in openError().
    int descriptor() const { return m_file.descriptor(); }
    int openError() const { return m_openError; }

    // Gives the written file the page's name, where the name still names the page that was
    // looked up (earlier), or nothing where earlier is null. Returns the reason it did not.
    QString commit(const struct stat *earlier);

private:
    int linkUnderTemporaryName();
    QString keepIfPageCameOut(const struct stat &earlier);
    QString checkAndRename(const struct stat *earlier);

    int m_folder;
    QByteArray m_name;
    QByteArray m_temporaryName; // once the file has one
    OpenFile m_file;
    int m_openError = 0;
};
