// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>

namespace BoxView {

// A part of a line: [start, start + length).
struct Stretch
{
    int start = 0;
    int length = 0;
};

// The stretches of a line that a box drawing the rest straight from the font's character map
// must still shape. Each holds whole grapheme clusters, so that a letter and its marks, a
// keycap or a variation sequence are shaped together. A stretch reaches over a run of
// characters of the Common script between two such parts (spaces, punctuation, digits,
// symbols), so that the words of a phrase are shaped together.
QList<Stretch> stretchesToShape(QStringView line);

} // namespace BoxView
