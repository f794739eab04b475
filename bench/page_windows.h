// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Form1;
class QAbstractButton;
class QPlainTextEdit;

// The text a benchmark needs in the window before it clicks.
struct PageSetup
{
    qsizetype mainBoxSize = 0;
    qsizetype scratchBoxSize = 0;
    bool withOtherCharacters = false; // in the main box; see sampleText()
    bool utf8Letters = false; // the main box holds utf8LettersPage() instead

    auto operator<=>(const PageSetup &) const = default;
};

// Shown Tagwright windows, one per setup, made on first use and kept until
// closeAllPageWindows(): filling a box with 50 MiB takes seconds, far longer than a click.
// The link and image fields hold short texts.
Form1 &pageWindow(const PageSetup &setup);
void closeAllPageWindows();

QAbstractButton *buttonOf(Form1 &form, const char *name, int index = -1);
QPlainTextEdit *boxOf(Form1 &form, const char *name);

// A real mouse click on the button, then the event processing it sets off (the repaint).
void clickAndSettle(QAbstractButton *button);
