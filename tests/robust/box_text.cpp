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

QString pastedPage(int kibibytes)
{
    const QString line
            = QString::fromUtf8("<P>Gr\u00FC\u00DFe \u2013 \u65E5\u672C & \U0001F600</P>\r\n");
    QString page;
    while (page.size() < qsizetype(kibibytes) * 1024)
        page += line;
    return page;
}
