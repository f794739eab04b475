// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPlainTextEdit;

// Dragdown: appends the whole scratch text to the end of the main box; the scratch box
// keeps its text.
void dragDown(QPlainTextEdit *hmbox, const QPlainTextEdit *txtTest);

// Clear Main and Clear Test: empty their box, without asking.
void clearBox(QPlainTextEdit *box);
