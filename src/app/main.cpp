// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "app/form1_accessible.h"
#include "app/translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Ties the window to its installed desktop entry and icon (TAGWRIGHT_APP_ID, from the
    // build), so the desktop shows the program's own name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAGWRIGHT_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TAGWRIGHT_APP_ID)));
    loadTranslations(app, QLocale::system().uiLanguages());
    presentShownControlsOnly();
    Form1 form;
    form.show();
    return app.exec();
}
