// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

// A page is replaced by a new file, written beside it and renamed over it, only where that
// file can become the same page to everyone else: the same owner, group, mode, access list
// and other extended attributes, and no other name left pointing at the earlier file.

// Whether a new file could stand in for the page: the page has no other name (hard link),
// and the user owns it, as the user will own the new file.
bool mayReplacePage(const struct stat &page);

// Gives the new file the page's group, extended attributes (the access list among them) and
// mode, then checks that it holds exactly those. False where any of it could not be done:
// the new file may then not stand in for the page.
bool takePageIdentity(int newFile, int page);
