// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/transfer.h"

#include "text/text_box.h"

void dragDown(QPlainTextEdit *hmbox, const QPlainTextEdit *txtTest)
{
    TextBox::append(hmbox, TextBox::text(txtTest));
}

void clearBox(QPlainTextEdit *box)
{
    TextBox::clear(box);
}
