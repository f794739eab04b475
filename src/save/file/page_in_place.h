// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/file/page_file.h"

#include <QString>

#include <functional>

// Writes the page over the regular file open at page for writing, which so stays the same
// file, with its owner, group, mode, access list and other names. The caller closes page.
//
// produce is called twice and must hand the same bytes both times: first only to count them,
// so that their room on disk is reserved before the first byte of the earlier page changes,
// then to write them piece by piece; the new page is never held whole. Where page was opened
// for reading too, the earlier bytes are read and kept as they are overwritten or cut off (so
// at most the earlier page is held, whole), and should a write fail, or produce throw, they
// are written back and *reason says whether that worked. A page opened write-only cannot be
// read, so its earlier bytes cannot be kept: a write that fails after the first byte changed
// may leave part of the new page in it, and *reason says so.
bool writePageInPlace(int page, bool readable, const std::function<void(const PageSink &)> &produce,
                      QString *reason);
