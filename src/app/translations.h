// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCoreApplication;

// Installs the translations of one language, so the whole window speaks it: the first of the
// user's languages, in order of preference as QLocale::uiLanguages() gives them, that the
// program's messages and Qt's own are both translated into, English counted among them since
// they are written in it. Qt's own texts (the save dialog, the message boxes' buttons, the text
// boxes' context menu) come from Qt's catalog for that same language. With none of them, all stays
// English. The window's captions and title are never translated.
void loadTranslations(QCoreApplication &application, const QStringList &languages);
