// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/markup_look.h"

#include "save/encoding/first_bytes.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// The tags that may stand in a head (<html> and <head> as start tags only), which a look that
// ends outside the head goes on past.
enum class Tag { start, end };

bool belongsInHead(std::u16string_view name, Tag tag)
{
    constexpr std::array<std::u16string_view, 8> inHead
            = {u"base", u"link", u"meta", u"noscript", u"object", u"script", u"style", u"title"};
    return std::ranges::find(inHead, name) != inHead.end()
           || (tag == Tag::start && (name == u"html" || name == u"head"));
}

// The page as the tokenizer reads it, for the first <meta> start tag that declares an
// encoding. Each step moves on, and each search for the end of a comment, tag or text element
// either finds it or ends the look, so the work is linear.
template<typename Unit>
class Look
{
public:
    Look(Position<Unit> begin, Position<Unit> end, const MarkupLook &look, qsizetype firstBytesEnd,
         const QByteArray &codeset)
        : m_look(look)
        , m_begin(begin)
        , m_position(begin)
        , m_end(end)
        , m_firstBytesEnd(firstBytesEnd)
        , m_contents(codeset)
    { }

    DeclarationScan run()
    {
        DeclarationScan scan = look();
        scan.contentBytesMayDiffer = m_contents.metBytesThatMayDiffer();
        return scan;
    }

private:
    DeclarationScan look()
    {
        const DeclarationScan ranOut{nullptr, true};
        for (;;) {
            const Position<Unit> from = find(m_position, m_end, u'<');
            if (from != m_position && endsHere(from))
                return {}; // a run of text ends the look
            if (m_end - from < 2)
                return ranOut;
            const char16_t next = from[1];
            if (startsWithWord(from, m_end, "<!--")) {
                if (!skipComment(from + 4))
                    return ranOut;
            } else if (next == u'!' || next == u'?') {
                if (!skipPast(from + 2, u'>')) // a doctype or a bogus comment
                    return ranOut;
            } else if (next == u'/') {
                if (m_end - from < 3)
                    return ranOut;
                if (isAsciiLetter(from[2])) {
                    m_position = from + 2;
                    const std::u16string name = tagName();
                    if (!skipAttributes())
                        return ranOut;
                    leaveHeadAt(name, Tag::end);
                } else if (from[2] == u'>') {
                    m_position = from + 3;
                } else if (!skipPast(from + 2, u'>')) {
                    return ranOut;
                }
            } else if (isAsciiLetter(next)) {
                m_position = from + 1;
                const std::u16string name = tagName();
                if (name == u"meta") {
                    std::optional<const PageCharset *> declared = meta();
                    if (!declared)
                        return ranOut;
                    if (*declared)
                        return {*declared, false, m_position - m_begin > m_firstBytesEnd};
                } else if (!skipAttributes()) {
                    return ranOut;
                }
                leaveHeadAt(name, Tag::start);
                if (name == u"plaintext")
                    return {}; // the rest of the page is text
                if (endsHere(m_position))
                    return {};
                const Position<Unit> text = m_position;
                if (name == u"script" && isTextElement(name)) {
                    if (!skipScript())
                        return ranOut;
                } else if (isTextElement(name) && !skipToEndTag(name)) {
                    return ranOut;
                }
                if (m_position != text && endsHere(m_position))
                    return {}; // the element's text ends the look
                continue;
            } else {
                m_position = from + 1;
                continue;
            }
            if (endsHere(m_position))
                return {};
        }
    }

    bool isTextElement(std::u16string_view name) const
    {
        return std::ranges::find(m_look.textElements, name) != m_look.textElements.end();
    }

    void leaveHeadAt(std::u16string_view name, Tag tag)
    {
        m_outsideHead = m_outsideHead || !belongsInHead(name, tag);
    }

    // Whether the look ends with a token that ends at position.
    bool endsHere(Position<Unit> position) const
    {
        return m_look.end == LookEnd::firstTokenPastFirstBytesOutsideHead && m_outsideHead
               && position - m_begin >= m_firstBytesEnd;
    }

    bool skipPast(Position<Unit> from, char16_t character)
    {
        m_position = find(from, m_end, character);
        if (m_position == m_end)
            return false;
        ++m_position;
        return true;
    }

    // After "<!--": "<!-->" and "<!--->" are empty comments; any other ends at "-->" or "--!>".
    bool skipComment(Position<Unit> from)
    {
        if (from != m_end && *from == u'>') {
            m_position = from + 1;
            return true;
        }
        if (m_end - from >= 2 && from[0] == u'-' && from[1] == u'>') {
            m_position = from + 2;
            return true;
        }
        for (Position<Unit> dashes = find(from, m_end, "--"); dashes != m_end;
             dashes = find(dashes + 1, m_end, "--")) {
            if (m_end - dashes > 2 && dashes[2] == u'>') {
                m_position = dashes + 3;
                return true;
            }
            if (m_end - dashes > 3 && dashes[2] == u'!' && dashes[3] == u'>') {
                m_position = dashes + 4;
                return true;
            }
        }
        return false;
    }

    // The tag name at m_position, in lower case, as far as it can be one of the names above.
    std::u16string tagName()
    {
        std::u16string name;
        for (; m_position != m_end && !isSpace(*m_position) && *m_position != u'/'
               && *m_position != u'>';
             ++m_position) {
            if (name.size() <= 10)
                name += asciiLower(*m_position);
        }
        return name;
    }

    // The <meta>'s attributes up to its ">", and what they declare; none where the page ends
    // inside the tag, which makes it no tag.
    std::optional<const PageCharset *> meta()
    {
        MetaDeclaration<Unit> declaration(m_look.meta);
        for (;;) {
            const Attribute<Unit> attribute = readAttribute(m_position, m_end);
            if (attribute.read == Attribute<Unit>::Read::ranOut)
                return std::nullopt;
            if (attribute.read == Attribute<Unit>::Read::tagEnded)
                break;
            declaration.add(attribute);
        }
        ++m_position;
        return declaration.declared(m_contents);
    }

    // Past the attributes of any other tag and its ">"; false where the page ends first.
    bool skipAttributes()
    {
        for (;;) {
            const auto read = readAttribute(m_position, m_end).read;
            if (read == Attribute<Unit>::Read::ranOut)
                return false;
            if (read == Attribute<Unit>::Read::tagEnded) {
                ++m_position;
                return true;
            }
        }
    }

    // Whether "</name" at from ends a text element called name: followed by space, "/" or ">".
    bool isEndTag(Position<Unit> from, std::u16string_view name) const
    {
        if (!startsWithWord(from, m_end, "</") || m_end - from - 2 < qsizetype(name.size()))
            return false;
        for (std::size_t i = 0; i < name.size(); ++i) {
            if (asciiLower(from[2 + i]) != name[i])
                return false;
        }
        const Position<Unit> after = from + 2 + name.size();
        return after != m_end && (isSpace(*after) || *after == u'/' || *after == u'>');
    }

    // To the element's end tag, which the main loop then reads as a tag.
    bool skipToEndTag(std::u16string_view name)
    {
        for (Position<Unit> at = find(m_position, m_end, "</"); at != m_end;
             at = find(at + 1, m_end, "</")) {
            if (isEndTag(at, name)) {
                m_position = at;
                return true;
            }
        }
        return false;
    }

    // A script's text ends at "</script", but inside "<!--" a "<script" starts a part where
    // "</script" only leaves that part, and "-->" ends both.
    bool skipScript()
    {
        enum class Part { text, escaped, doubleEscaped } part = Part::text;
        for (Position<Unit> at = m_position; at != m_end; ++at) {
            if (*at == u'<') {
                if (part == Part::text && startsWithWord(at, m_end, "<!--")) {
                    part = Part::escaped;
                    at += 1; // the dashes may also close it: "<!-->"
                } else if (isEndTag(at, u"script")) {
                    if (part != Part::doubleEscaped) {
                        m_position = at;
                        return true;
                    }
                    part = Part::escaped;
                } else if (part == Part::escaped && startsWithWord(at + 1, m_end, "script")
                           && m_end - at > 7
                           && (isSpace(at[7]) || at[7] == u'/' || at[7] == u'>')) {
                    part = Part::doubleEscaped;
                }
            } else if (*at == u'-' && part != Part::text && startsWithWord(at, m_end, "-->")) {
                part = Part::text;
                at += 2;
            }
        }
        return false;
    }

    const MarkupLook &m_look;
    const Position<Unit> m_begin;
    Position<Unit> m_position;
    const Position<Unit> m_end;
    const qsizetype m_firstBytesEnd;
    ContentReader<Unit> m_contents;
    bool m_outsideHead = false;
};

} // namespace

DeclarationScan lookForDeclaration(QByteArrayView bytes, const MarkupLook &look)
{
    const auto *begin = reinterpret_cast<Position<char8_t>>(bytes.data());
    return Look<char8_t>(begin, begin + bytes.size(), look, prescanLength, {}).run();
}

DeclarationScan lookForDeclaration(QStringView raw, const MarkupLook &look, qsizetype firstBytesEnd,
                                   const QByteArray &codeset)
{
    const auto *begin = reinterpret_cast<Position<char16_t>>(raw.utf16());
    return Look<char16_t>(begin, begin + raw.size(), look, firstBytesEnd, codeset).run();
}

bool mentionsMeta(QStringView text)
{
    const auto *begin = reinterpret_cast<Position<char16_t>>(text.utf16());
    const Position<char16_t> end = begin + text.size();
    for (Position<char16_t> at = find(begin, end, u'<'); at != end; at = find(at + 1, end, u'<')) {
        if (startsWithWord(at, end, "<meta"))
            return true;
    }
    return false;
}
