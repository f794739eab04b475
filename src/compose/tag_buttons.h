// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QPlainTextEdit;

// A tag button: appends the button's own caption to the end of the main box.
void appendCaption(QPlainTextEdit *hmbox, const QAbstractButton *button);
