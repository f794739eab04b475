// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace {

// A language's catalog, loaded but not yet installed.
std::unique_ptr<QTranslator> loaded(const QLocale &language, const QString &catalog,
                                    const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(language, catalog, QStringLiteral("_"), folder))
        return nullptr;
    return translator;
}

} // namespace

void loadTranslations(QCoreApplication &application, const QStringList &languages)
{
    for (const QString &name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return;
        // Spoken only where Qt's own catalog is there too, so the window never mixes two
        // languages: Qt's Georgian, say, comes with Debian 13 but not with Debian 12.
        std::unique_ptr<QTranslator> ours
                = loaded(language, QStringLiteral("tagwright"), QStringLiteral(":/i18n"));
        std::unique_ptr<QTranslator> qts
                = loaded(language, QStringLiteral("qtbase"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (ours && qts) {
            for (QTranslator *translator : {ours.release(), qts.release()}) {
                translator->setParent(&application);
                QCoreApplication::installTranslator(translator);
            }
            return;
        }
    }
}
