// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/image_link.h"

#include "text/text_box.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

// Field texts go in exactly as typed: a quote typed in a field is how a hand-writer adds
// further attributes, so nothing is trimmed, escaped or checked.

void buildImage(QPlainTextEdit *txtTest, const QLabel *q, const QLineEdit *txtIMG)
{
    const QString quote = q->text();
    TextBox::append(txtTest, u"<img SRC="_s + quote + txtIMG->text() + quote + u">"_s);
}

void buildLink(QPlainTextEdit *txtTest, const QLabel *q, const QLineEdit *txtHtml,
               const QLineEdit *txtHTMcap)
{
    const QString quote = q->text();
    TextBox::append(txtTest, u"<a href ="_s + quote + txtHtml->text() + quote + u">"_s
                                     + txtHTMcap->text() + u"</a>"_s);
}
