// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Pages seen to read otherwise than typed in a browser, each with the bytes a save writes for
// it. The unit test checks the bytes; the browsers' check (make check-browsers) saves each
// page and reads it back in every engine.
struct SavedPageRow
{
    const char *name;
    QString page; // as the editor holds it
    QByteArray bytes; // the page file
};

QList<SavedPageRow> savedPageRows();
