// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;
class QLocale;

// Installs the translations for locale's languages: Qt's own (the save dialog, the message
// boxes' buttons, the text boxes' context menu) and the program's messages. A language
// without a translation leaves those texts in English. The window's captions and title are
// never translated.
void loadTranslations(QCoreApplication &application, const QLocale &locale);
