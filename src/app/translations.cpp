// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void install(QCoreApplication &application, const QLocale &locale, const QString &catalog,
             const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(locale, catalog, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void loadTranslations(QCoreApplication &application, const QLocale &locale)
{
    // Qt's texts in the first of the user's languages that Qt has.
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // The program's messages only in the user's first language: someone who put English before
    // German reads them in English, not in German because English has no catalog.
    install(application, QLocale(locale.uiLanguages().value(0)), QStringLiteral("tagwright"),
            QStringLiteral(":/i18n"));
}
