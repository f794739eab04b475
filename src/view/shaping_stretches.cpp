// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/shaping_stretches.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// Whether a character is drawn right from the font's character map alone: letters of Latin,
// Greek, Cyrillic and Chinese or Japanese, digits, punctuation and symbols. Marks typed as
// characters of their own, joiners and other format characters, characters that join their
// neighbours (the tatweel, though of no script of its own, among them), surrogate pairs (emoji
// and their modifiers among them) and all other scripts need shaping. The box chooses this itself
// rather than leaving it to Qt, whose own choice of scripts it shapes regardless leaves out
// Arabic and Thai, among others.
bool drawnRightUnshaped(QChar character)
{
    if (character.unicode() < 0x0300) // up to the spacing modifier letters: no marks
        return true;
    if (character.isSurrogate())
        return false;
    // The halfwidth sound marks are letters, but extend the katakana before them.
    if (character.unicode() == 0xFF9E || character.unicode() == 0xFF9F)
        return false;
    if (character.joiningType() != QChar::Joining_None)
        return false;
    switch (character.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return false;
    default:
        break;
    }
    switch (character.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
        return true;
    default:
        return false;
    }
}

// Whether a grapheme cluster begins at position. None of the characters drawn unshaped
// extends, joins or prepends to its neighbour, so two of them always have a boundary between
// them. Elsewhere the boundary finder reads back only to the nearest such pair, and no further
// than a cluster of reasonable length reaches, so that no edit runs it over a whole line.
bool clusterStartsAt(QStringView line, qsizetype position)
{
    const auto certain = [line](qsizetype at) {
        return at == 0 || at == line.size()
               || (drawnRightUnshaped(line[at - 1]) && drawnRightUnshaped(line[at]));
    };
    if (certain(position))
        return true;
    constexpr qsizetype reach = 32;
    qsizetype from = position - 1;
    while (!certain(from) && position - from < reach)
        --from;
    // The character at position may be a surrogate pair.
    const qsizetype to = std::min(line.size(), position + 2);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line.sliced(from, to - from));
    finder.setPosition(position - from);
    return finder.isAtBoundary();
}

} // namespace

namespace BoxView {

QList<Stretch> stretchesToShape(QStringView line)
{
    QList<Stretch> stretches;
    qsizetype end = 0; // of the last stretch, where a cluster begins
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (drawnRightUnshaped(line[i]))
            continue;
        // Out to the clusters that hold the first and the last character needing shaping.
        qsizetype start = i;
        while (start > end && !clusterStartsAt(line, start))
            --start;
        qsizetype stop = i + 1;
        while (stop < line.size() && !drawnRightUnshaped(line[stop]))
            ++stop;
        while (!clusterStartsAt(line, stop))
            ++stop;

        const bool onlyCommonScriptBetween
                = !stretches.isEmpty()
                  && std::all_of(line.begin() + end, line.begin() + start, [](QChar between) {
                         return between.script() == QChar::Script_Common;
                     });
        if (!onlyCommonScriptBetween)
            stretches.append({int(start), 0});
        stretches.back().length = int(stop) - stretches.back().start;
        end = stop;
        i = stop - 1;
    }
    return stretches;
}

} // namespace BoxView
