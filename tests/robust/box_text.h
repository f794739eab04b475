// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPlainTextEdit;

// A multi-line box's text read straight from its document, apart from the program's own
// accessor: blocks and the line separators inside them are line breaks, written CR LF.
QString documentText(const QPlainTextEdit *box);
