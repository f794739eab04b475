// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

struct PageCharset;

// The encoding an HTML page declares for itself in a <meta> element, found as a browser finds
// it, or null when it declares none that a browser would follow.
//
// A browser first looks over the page's first 1024 bytes for <meta charset> or
// <meta http-equiv="Content-Type" content="...; charset=...">, skipping comments and other
// tags; the declaration is ASCII, so the text's first 1024 characters give the same answer.
// Failing that, it follows the first such <meta> its parser meets later, which is never one
// inside a comment or in the text of an element the parser reads as plain text (<script>,
// <style>, <title>, <textarea> and the like).
//
// A line break in text may be CR LF or the editor's own paragraph or line separator, which is
// saved as CR LF and so counts as two characters. Work is linear in the text's length.
const PageCharset *declaredCharset(QStringView text);

// The first of those two looks alone, over the start of the text.
const PageCharset *prescanForCharset(QStringView text);

// Whether the text holds "<meta" in any case. A page declares an encoding only in a <meta>, so
// one without it declares none; a text in pieces needs the meeting of each two looked at too.
bool mentionsMeta(QStringView text);
