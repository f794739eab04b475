// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/encoding/ascii.h"

#include <QStringView>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <type_traits>

// The small steps every look for a page's charset declaration takes, on the page's bytes
// (char8_t) or on the text before it is encoded (its UTF-16 units, char16_t) with the same
// code: a byte beyond ASCII, like a character beyond ASCII, is never part of the markup, and a
// line break in text may be CR LF or the editor's own separator, saved as CR LF.

template<typename Unit>
using Position = const Unit *;

template<typename Unit>
bool isSpace(Unit character)
{
    return isAsciiWhitespace(character) || isLineSeparator(character);
}

// Whether the units at from start with word, which is in lower case, in any case.
template<typename Unit>
bool startsWithWord(Position<Unit> from, Position<Unit> end, std::string_view word)
{
    if (end - from < qsizetype(word.size()))
        return false;
    for (const char letter : word) {
        if (asciiLower(*from++) != char16_t(letter))
            return false;
    }
    return true;
}

template<typename Unit>
bool isWord(Position<Unit> from, Position<Unit> end, std::string_view word)
{
    return end - from == qsizetype(word.size()) && startsWithWord(from, end, word);
}

template<typename Unit>
Position<Unit> find(Position<Unit> from, Position<Unit> end, char16_t what)
{
    if constexpr (std::is_same_v<Unit, char16_t>) {
        const qsizetype at = QStringView(from, end).indexOf(QChar(what));
        return at < 0 ? end : from + at;
    } else {
        if (from == end)
            return end; // memchr() may not be given an empty page's null
        const void *at = std::memchr(from, int(what), std::size_t(end - from));
        return at ? static_cast<Position<Unit>>(at) : end;
    }
}

// The first occurrence of what, which holds no letter, at or after from, or end.
template<typename Unit>
Position<Unit> find(Position<Unit> from, Position<Unit> end, std::string_view what)
{
    for (Position<Unit> at = find(from, end, char16_t(what.front())); at != end;
         at = find(at + 1, end, char16_t(what.front()))) {
        if (startsWithWord(at, end, what))
            return at;
    }
    return end;
}

template<typename Unit>
Position<Unit> skipSpaces(Position<Unit> from, Position<Unit> end)
{
    while (from != end && isSpace(*from))
        ++from;
    return from;
}

// A stretch of units, as an attribute's name or value.
template<typename Unit>
struct Span
{
    Position<Unit> begin = nullptr;
    Position<Unit> end = nullptr;

    bool is(std::string_view word) const { return isWord(begin, end, word); }
};

// One attribute of a tag, read as the HTML tokenizer reads it, and as the standard's prescan
// reads it too ("get an attribute"): a first "=" is part of the name; a value is quoted, or
// runs to a space or ">". Ended means the bytes ran out inside the tag, which makes it none.
template<typename Unit>
struct Attribute
{
    enum class Read { found, tagEnded, ranOut } read;
    Span<Unit> name = {};
    Span<Unit> value = {};
};

// Reads the attribute at position, past spaces and slashes, and moves position past it, or
// onto the tag's ">".
template<typename Unit>
Attribute<Unit> readAttribute(Position<Unit> &position, Position<Unit> end)
{
    using Read = typename Attribute<Unit>::Read;
    while (position != end && (isSpace(*position) || *position == u'/'))
        ++position;
    if (position == end)
        return {Read::ranOut};
    if (*position == u'>')
        return {Read::tagEnded};
    Attribute<Unit> attribute{Read::found, {position, position}, {}};
    for (++position; position != end && !isSpace(*position) && *position != u'/'
                     && *position != u'>' && *position != u'=';
         ++position) { }
    attribute.name.end = position;
    position = skipSpaces(position, end);
    if (position == end)
        return {Read::ranOut};
    if (*position != u'=')
        return attribute;
    position = skipSpaces(position + 1, end);
    if (position == end)
        return {Read::ranOut};
    if (*position == u'"' || *position == u'\'') {
        const Position<Unit> closing = find(position + 1, end, char16_t(*position));
        if (closing == end)
            return {Read::ranOut};
        attribute.value = {position + 1, closing};
        position = closing + 1;
    } else if (*position != u'>') {
        const Position<Unit> valueStart = position;
        while (position != end && !isSpace(*position) && *position != u'>')
            ++position;
        if (position == end)
            return {Read::ranOut};
        attribute.value = {valueStart, position};
    }
    return attribute;
}

// The label between from and end, ASCII whitespace and the editor's line breaks trimmed, as
// UTF-16; empty if longer than any label.
template<typename Unit>
QStringView trimmedLabel(Position<Unit> from, Position<Unit> end, char16_t (&buffer)[32])
{
    from = skipSpaces(from, end);
    while (end != from && isSpace(end[-1]))
        --end;
    if (end - from > qsizetype(std::size(buffer)))
        return {};
    std::copy(from, end, buffer);
    return QStringView(buffer, end - from);
}

// The label named in a content attribute such as "text/html; charset=utf-8", as the
// standard extracts it, or an empty span.
template<typename Unit>
Span<Unit> labelInContent(Position<Unit> position, Position<Unit> end)
{
    for (;;) {
        while (position != end && !startsWithWord(position, end, "charset"))
            ++position;
        if (position == end)
            return {};
        position = skipSpaces(position + 7, end);
        if (position == end)
            return {};
        if (*position != u'=')
            continue; // look for another "charset" from here
        position = skipSpaces(position + 1, end);
        if (position == end)
            return {};
        if (*position == u'"' || *position == u'\'') {
            const Position<Unit> closing = find(position + 1, end, char16_t(*position));
            return closing == end ? Span<Unit>{} : Span<Unit>{position + 1, closing};
        }
        Position<Unit> labelEnd = position;
        while (labelEnd != end && !isSpace(*labelEnd) && *labelEnd != u';')
            ++labelEnd;
        return {position, labelEnd};
    }
}
