// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/encoding/page_encoding.h"
#include "save/encoding/saved_page.h"

#include <QByteArray>
#include <QStringView>

// The bytes the page encoder makes of text in codeset, given as one piece.
inline QByteArray encoded(QStringView text, const QByteArray &codeset)
{
    PageEncoder encoder(codeset);
    encoder.add(text);
    return encoder.finish();
}

// The bytes a save writes for a box holding raw, as the editor holds it.
inline QByteArray savedBytes(QStringView raw)
{
    QByteArray bytes;
    SavedPage(raw).write([&bytes](QByteArrayView piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}
