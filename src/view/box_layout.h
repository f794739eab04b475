// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPlainTextEdit;

namespace BoxView {

// Makes a change to a long line cheaper to show, without changing what the box shows. The
// editor lays out the whole line again on every change, so a page built by clicking, which
// is one line, costs time in proportion to its length on every keystroke:
// - Text in a script that needs no shaping (Latin, for one) is drawn glyph by glyph from the
//   font's character map rather than shaped; scripts that join or reorder, such as Arabic
//   and Devanagari, and letters with marks typed as characters of their own are still
//   shaped. Only refinements such as kerning are lost.
// - The line the last change ended in keeps its layout data, so the caret and the repaint
//   that follow the change need not analyse and shape that whole line once more each.
// The box gets a document of its own for this, holding the text and settings of the one it had.
void setUpLayout(QPlainTextEdit *box);

} // namespace BoxView
