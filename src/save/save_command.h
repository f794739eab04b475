// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CommonDialog;
class QPlainTextEdit;
class QWidget;

// Save: asks for a file with the dialog and writes the main box to it. A failure is shown
// in an error box and changes nothing else; a cancelled dialog writes nothing.
void saveMainBox(CommonDialog &dialog, const QPlainTextEdit *hmbox, QWidget *window);
