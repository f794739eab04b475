// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace {

bool install(QCoreApplication &application, const QLocale &language, const QString &catalog,
             const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(language, catalog, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

void loadTranslations(QCoreApplication &application, const QStringList &languages)
{
    for (const QString &name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return;
        if (install(application, language, QStringLiteral("tagwright"), QStringLiteral(":/i18n"))) {
            install(application, language, QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}
