// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/tag_buttons.h"

#include "text/text_box.h"

#include <QAbstractButton>

void appendCaption(QPlainTextEdit *hmbox, const QAbstractButton *button)
{
    TextBox::append(hmbox, button->text());
}
