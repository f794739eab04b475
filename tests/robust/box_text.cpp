// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "box_text.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

QString documentText(const QPlainTextEdit *box)
{
    QString text;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        if (block != box->document()->begin())
            text += QStringLiteral("\r\n");
        text += block.text().replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    }
    return text;
}
