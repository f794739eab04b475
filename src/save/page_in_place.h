// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/page_file.h"

#include <QString>

#include <functional>

// Writes the page over the regular file open at page (for reading and writing), which so
// stays the same file, with its owner, group, mode, access list and other names. The new
// bytes are produced whole and their room on disk reserved before the first byte of the
// earlier page changes; should a write fail after that, the earlier bytes are written back,
// and *reason says whether that worked. The caller closes page.
bool writePageInPlace(int page, const std::function<void(const PageSink &)> &produce,
                      QString *reason);
