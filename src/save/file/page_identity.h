// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A page is replaced by a new file, written beside it and renamed over it, only where that
// file can become the same page to everyone else: the same owner, group, mode, access list
// and other extended attributes (page_write_decision.h says when it is tried).

// Gives the new file the page's group, extended attributes (the access list among them) and
// mode, then checks that it holds exactly those. False where any of it could not be done:
// the new file may then not stand in for the page.
bool takePageIdentity(int newFile, int page);
