// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/first_bytes.h"

#include "save/encoding/meta_declaration.h"
#include "save/encoding/page_charset.h"

#include <algorithm>

namespace {

using Byte = char8_t;

// The prescan and the standard's parser read a <meta> alike, but for a charset attribute that
// names no encoding: the prescan then takes no declaration from the tag.
constexpr MetaRule prescanMeta{Repeated::firstCounts,
                               Repeated::firstCounts,
                               Pragma::needed,
                               UnknownCharsetLabel::declaresNothing,
                               {}};

// The prescan, step for step as the HTML standard gives it. Reaching the end of the bytes
// anywhere ends it without an answer.
class Prescan
{
public:
    Prescan(Position<Byte> begin, Position<Byte> end)
        : m_position(begin)
        , m_end(end)
    { }

    const PageCharset *run()
    {
        for (; m_position != m_end; ++m_position) {
            const Position<Byte> from = m_position;
            if (startsWithWord(from, m_end, "<!--")) {
                // To the first ">" after two dashes, which may be those of "<!--".
                m_position = find(from + 2, m_end, "-->");
                if (m_position == m_end)
                    return nullptr;
                m_position += 2;
            } else if (startsWithWord(from, m_end, "<meta") && m_end - from > 5
                       && (isSpace(from[5]) || from[5] == u'/')) {
                m_position = from + 6;
                std::optional<const PageCharset *> declared = meta();
                if (!declared)
                    return nullptr; // the bytes ended inside the tag
                if (*declared)
                    return *declared;
            } else if (*from == u'<' && m_end - from > 1
                       && (isAsciiLetter(from[1])
                           || (from[1] == u'/' && m_end - from > 2 && isAsciiLetter(from[2])))) {
                // A tag's name runs to a space or ">", a slash and all.
                while (m_position != m_end && !isSpace(*m_position) && *m_position != u'>')
                    ++m_position;
                if (!skipAttributes())
                    return nullptr;
            } else if (startsWithWord(from, m_end, "<!") || startsWithWord(from, m_end, "</")
                       || startsWithWord(from, m_end, "<?")) {
                m_position = find(from + 1, m_end, u'>');
                if (m_position == m_end)
                    return nullptr;
            }
        }
        return nullptr;
    }

private:
    using Read = Attribute<Byte>::Read;

    // The <meta> element's attributes from m_position on, and what they declare; none where
    // the bytes end inside the tag.
    std::optional<const PageCharset *> meta()
    {
        MetaDeclaration<Byte> declaration(prescanMeta);
        for (;;) {
            const Attribute<Byte> attribute = readAttribute(m_position, m_end);
            if (attribute.read == Read::ranOut)
                return std::nullopt;
            if (attribute.read == Read::tagEnded)
                break;
            declaration.add(attribute);
        }
        ContentReader<Byte> contents({});
        return declaration.declared(contents);
    }

    // Past the attributes of any other tag, up to its ">"; false where the bytes end first.
    bool skipAttributes()
    {
        for (;;) {
            const Read read = readAttribute(m_position, m_end).read;
            if (read != Read::found)
                return read == Read::tagEnded;
        }
    }

    Position<Byte> m_position;
    const Position<Byte> m_end;
};

Position<Byte> bytesBegin(QByteArrayView bytes)
{
    return reinterpret_cast<Position<Byte>>(bytes.data());
}

} // namespace

const PageCharset *byteOrderMark(QByteArrayView start)
{
    if (start.startsWith("\xEF\xBB\xBF"))
        return charsetForLabel(u"utf-8");
    if (start.startsWith("\xFE\xFF"))
        return charsetForLabel(u"utf-16be");
    if (start.startsWith("\xFF\xFE"))
        return charsetForLabel(u"utf-16le");
    return nullptr;
}

const PageCharset *prescanForCharset(QByteArrayView bytes)
{
    const Position<Byte> begin = bytesBegin(bytes);
    return Prescan(begin, begin + std::min(bytes.size(), prescanLength)).run();
}

const PageCharset *xmlDeclaredCharset(QByteArrayView start, XmlDeclarationReading reading)
{
    const bool lenient = reading == XmlDeclarationReading::lenient;
    const auto startsWith
            = [lenient](Position<Byte> at, Position<Byte> end, std::string_view word) {
                  return lenient ? startsWithWord(at, end, word)
                                 : end - at >= qsizetype(word.size())
                                           && std::equal(word.begin(), word.end(), at);
              };
    const Position<Byte> begin = bytesBegin(start);
    const Position<Byte> limit = begin + std::min(start.size(), prescanLength);
    Position<Byte> at = lenient ? skipSpaces(begin, limit) : begin;
    if (!startsWith(at, limit, "<?xml"))
        return nullptr;
    const Position<Byte> end = find(at, limit, u'>');
    if (end == limit)
        return nullptr;
    while (at != end && !startsWith(at, end, "encoding"))
        ++at;
    if (at == end)
        return nullptr;
    at += 8;
    const auto skipControls = [&] {
        while (at != end && *at <= 0x20)
            ++at;
    };
    skipControls();
    if (at == end || *at != u'=')
        return nullptr;
    ++at;
    skipControls();
    if (at == end)
        return nullptr;
    Position<Byte> labelEnd = at;
    if (*at == u'"' || *at == u'\'') {
        labelEnd = find(at + 1, end, char16_t(*at));
        if (labelEnd == end)
            return nullptr;
        ++at;
    } else if (lenient) {
        while (labelEnd != end && *labelEnd > 0x20 && *labelEnd != u'?')
            ++labelEnd;
    } else {
        return nullptr;
    }
    if (!lenient && std::any_of(at, labelEnd, [](Byte byte) { return byte <= 0x20; }))
        return nullptr;
    char16_t buffer[32];
    return charsetForMetaLabel(trimmedLabel(at, labelEnd, buffer));
}
