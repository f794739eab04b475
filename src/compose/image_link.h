// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Image: appends <img SRC="source"> to the scratch box, quoted with the caption of q.
void buildImage(QPlainTextEdit *txtTest, const QLabel *q, const QLineEdit *txtIMG);

// Link: appends <a href ="target">caption</a> to the scratch box, quoted with the caption of q.
void buildLink(QPlainTextEdit *txtTest, const QLabel *q, const QLineEdit *txtHtml,
               const QLineEdit *txtHTMcap);
