// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/charset_declaration.h"

#include "save/encoding/page_charset.h"

#include <array>
#include <string>
#include <string_view>

namespace {

using Position = const char16_t *;

constexpr qsizetype prescanLength = 1024;

bool isLineSeparator(char16_t character)
{
    return character == 0x2028 || character == 0x2029;
}

// ASCII whitespace as HTML reads it, with the editor's line breaks, which are saved as CR LF.
bool isSpace(char16_t character)
{
    return character == u'\t' || character == u'\n' || character == u'\f' || character == u'\r'
           || character == u' ' || isLineSeparator(character);
}

bool isAsciiLetter(char16_t character)
{
    return (character >= u'a' && character <= u'z') || (character >= u'A' && character <= u'Z');
}

char16_t lowered(char16_t character)
{
    return character >= u'A' && character <= u'Z' ? char16_t(character + 0x20) : character;
}

// Whether the text at from starts with word, which is in lower case, in either case.
bool startsWithWord(Position from, Position end, std::u16string_view word)
{
    if (end - from < qsizetype(word.size()))
        return false;
    for (const char16_t letter : word) {
        if (lowered(*from++) != letter)
            return false;
    }
    return true;
}

// The first occurrence of what at or after from, or end.
Position find(Position from, Position end, std::u16string_view what)
{
    const qsizetype at
            = QStringView(from, end).indexOf(QStringView(what.data(), qsizetype(what.size())));
    return at < 0 ? end : from + at;
}

Position find(Position from, Position end, char16_t what)
{
    const qsizetype at = QStringView(from, end).indexOf(QChar(what));
    return at < 0 ? end : from + at;
}

Position skipSpaces(Position from, Position end)
{
    while (from != end && isSpace(*from))
        ++from;
    return from;
}

// The encoding a label names, with the editor's line breaks trimmed too.
const PageCharset *charsetForValue(QStringView value)
{
    while (!value.isEmpty() && isSpace(value.front().unicode()))
        value = value.sliced(1);
    while (!value.isEmpty() && isSpace(value.back().unicode()))
        value.chop(1);
    return charsetForMetaLabel(value);
}

bool isWord(QStringView text, std::u16string_view word)
{
    const auto begin = reinterpret_cast<Position>(text.utf16());
    return text.size() == qsizetype(word.size())
           && startsWithWord(begin, begin + text.size(), word);
}

// The encoding named in a content attribute such as "text/html; charset=utf-8".
const PageCharset *charsetFromContent(QStringView content)
{
    auto position = reinterpret_cast<Position>(content.utf16());
    const Position end = position + content.size();
    for (;;) {
        while (position != end && !startsWithWord(position, end, u"charset"))
            ++position;
        if (position == end)
            return nullptr;
        position = skipSpaces(position + 7, end);
        if (position == end)
            return nullptr;
        if (*position != u'=')
            continue; // look for another "charset" from here
        position = skipSpaces(position + 1, end);
        if (position == end)
            return nullptr;
        if (*position == u'"' || *position == u'\'') {
            const Position closing = find(position + 1, end, *position);
            if (closing == end)
                return nullptr;
            return charsetForValue(QStringView(position + 1, closing));
        }
        Position labelEnd = position;
        while (labelEnd != end && !isSpace(*labelEnd) && *labelEnd != u';')
            ++labelEnd;
        return charsetForValue(QStringView(position, labelEnd));
    }
}

// What one <meta> element's attributes declare, given the first value of each attribute that
// matters, as the parser decides it: a charset attribute that names an encoding, else a
// Content-Type pragma with a content attribute that names one.
struct MetaAttributes
{
    bool hasHttpEquiv = false;
    bool hasContent = false;
    bool hasCharset = false;
    QStringView httpEquiv;
    QStringView content;
    QStringView charset;

    // Keeps the attribute if it is one of the three and the element has none of that name yet.
    void add(std::u16string_view name, QStringView value)
    {
        const auto keep = [&](bool &has, QStringView &kept) {
            if (!std::exchange(has, true))
                kept = value;
        };
        if (name == u"http-equiv")
            keep(hasHttpEquiv, httpEquiv);
        else if (name == u"content")
            keep(hasContent, content);
        else if (name == u"charset")
            keep(hasCharset, charset);
    }

    const PageCharset *declared() const
    {
        if (hasCharset) {
            if (const PageCharset *named = charsetForValue(charset))
                return named;
        }
        if (hasHttpEquiv && hasContent && isWord(httpEquiv, u"content-type"))
            return charsetFromContent(content);
        return nullptr;
    }
};

// The prescan of the first 1024 characters, step for step as the HTML standard gives it for
// bytes. Reaching the end of those characters anywhere ends the prescan without an answer.
class Prescan
{
public:
    Prescan(Position begin, Position end)
        : m_position(begin)
        , m_end(end)
    { }

    const PageCharset *run()
    {
        while (m_position != m_end) {
            const Position from = m_position;
            if (startsWithWord(from, m_end, u"<!--")) {
                // To the first ">" after two dashes, which may be those of "<!--".
                m_position = find(from + 2, m_end, u"-->");
                if (m_position == m_end)
                    return nullptr;
                m_position += 2;
            } else if (startsWithWord(from, m_end, u"<meta") && m_end - from > 5
                       && (isSpace(from[5]) || from[5] == u'/')) {
                m_position = from + 6;
                bool ended = false;
                const PageCharset *declared = meta(ended);
                if (ended)
                    return nullptr;
                if (declared)
                    return declared;
            } else if (*from == u'<' && m_end - from > 1
                       && (isAsciiLetter(from[1])
                           || (from[1] == u'/' && m_end - from > 2 && isAsciiLetter(from[2])))) {
                while (m_position != m_end && !isSpace(*m_position) && *m_position != u'>')
                    ++m_position;
                std::u16string name, value;
                Attribute got;
                while ((got = attribute(name, value)) == Attribute::found) { }
                if (got == Attribute::ended)
                    return nullptr;
            } else if (startsWithWord(from, m_end, u"<!") || startsWithWord(from, m_end, u"</")
                       || startsWithWord(from, m_end, u"<?")) {
                m_position = find(from + 1, m_end, u'>');
                if (m_position == m_end)
                    return nullptr;
            }
            ++m_position;
        }
        return nullptr;
    }

private:
    enum class Attribute { found, none, ended };

    // The <meta> element's attributes from m_position on, and what they declare.
    const PageCharset *meta(bool &ended)
    {
        bool seenHttpEquiv = false, seenContent = false, seenCharset = false;
        bool gotPragma = false;
        enum class Pragma { unknown, needed, notNeeded } needPragma = Pragma::unknown;
        bool charsetSet = false;
        const PageCharset *charset = nullptr;
        std::u16string name, value;
        for (;;) {
            const Attribute got = attribute(name, value);
            if (got == Attribute::ended) {
                ended = true;
                return nullptr;
            }
            if (got == Attribute::none)
                break;
            const QStringView valueView(value.data(), qsizetype(value.size()));
            if (name == u"http-equiv" && !std::exchange(seenHttpEquiv, true)) {
                gotPragma = gotPragma || value == u"content-type";
            } else if (name == u"content" && !std::exchange(seenContent, true)) {
                const PageCharset *named = charsetFromContent(valueView);
                if (named && !charsetSet) {
                    charset = named;
                    charsetSet = true;
                    needPragma = Pragma::needed;
                }
            } else if (name == u"charset" && !std::exchange(seenCharset, true)) {
                charset = charsetForValue(valueView);
                charsetSet = true;
                needPragma = Pragma::notNeeded;
            }
        }
        if (needPragma == Pragma::unknown || (needPragma == Pragma::needed && !gotPragma))
            return nullptr;
        return charset;
    }

    // The standard's "get an attribute": the name and value in lower case.
    Attribute attribute(std::u16string &name, std::u16string &value)
    {
        name.clear();
        value.clear();
        while (m_position != m_end && (isSpace(*m_position) || *m_position == u'/'))
            ++m_position;
        if (m_position == m_end)
            return Attribute::ended;
        if (*m_position == u'>')
            return Attribute::none;
        for (;; ++m_position) {
            if (m_position == m_end)
                return Attribute::ended;
            const char16_t character = *m_position;
            if (character == u'=' && !name.empty())
                break;
            if (isSpace(character)) {
                m_position = skipSpaces(m_position, m_end);
                if (m_position == m_end)
                    return Attribute::ended;
                if (*m_position != u'=')
                    return Attribute::found;
                break;
            }
            if (character == u'/' || character == u'>')
                return Attribute::found;
            name += lowered(character);
        }
        m_position = skipSpaces(m_position + 1, m_end); // past the "="
        if (m_position == m_end)
            return Attribute::ended;
        if (*m_position == u'"' || *m_position == u'\'') {
            const char16_t quote = *m_position;
            for (++m_position; m_position != m_end; ++m_position) {
                if (*m_position == quote) {
                    ++m_position;
                    return Attribute::found;
                }
                value += lowered(*m_position);
            }
            return Attribute::ended;
        }
        if (*m_position == u'>')
            return Attribute::found;
        for (; m_position != m_end; ++m_position) {
            if (isSpace(*m_position) || *m_position == u'>')
                return Attribute::found;
            value += lowered(*m_position);
        }
        return Attribute::ended;
    }

    Position m_position;
    const Position m_end;
};

// The elements whose content the parser reads as text up to their end tag, so that a <meta>
// in it is no element.
constexpr std::array<std::u16string_view, 9> textElements
        = {u"iframe", u"noembed",  u"noframes", u"noscript", u"script",
           u"style",  u"textarea", u"title",    u"xmp"};

// The later look: the page as the parser's tokenizer reads it, for the first <meta> start tag
// that declares an encoding. Each step moves on, and each search for the end of a comment,
// tag or text element either finds it or ends the look, so the work is linear.
class LaterDeclaration
{
public:
    LaterDeclaration(Position begin, Position end)
        : m_position(begin)
        , m_end(end)
    { }

    const PageCharset *run()
    {
        for (;;) {
            const Position from = find(m_position, m_end, u'<');
            if (m_end - from < 2)
                return nullptr;
            const char16_t next = from[1];
            if (startsWithWord(from, m_end, u"<!--")) {
                if (!skipComment(from + 4))
                    return nullptr;
            } else if (next == u'!' || next == u'?') {
                if (!skipPast(from + 2, u'>')) // a doctype or a bogus comment
                    return nullptr;
            } else if (next == u'/') {
                if (m_end - from < 3)
                    return nullptr;
                if (isAsciiLetter(from[2])) {
                    m_position = from + 2;
                    tagName();
                    MetaAttributes ignored;
                    if (!attributes(ignored, false))
                        return nullptr;
                } else if (from[2] == u'>') {
                    m_position = from + 3;
                } else if (!skipPast(from + 2, u'>')) {
                    return nullptr;
                }
            } else if (isAsciiLetter(next)) {
                m_position = from + 1;
                const std::u16string name = tagName();
                const bool isMeta = name == u"meta";
                MetaAttributes meta;
                if (!attributes(meta, isMeta))
                    return nullptr;
                if (isMeta) {
                    if (const PageCharset *declared = meta.declared())
                        return declared;
                } else if (name == u"plaintext") {
                    return nullptr; // the rest of the page is text
                } else if (name == u"script") {
                    if (!skipScript())
                        return nullptr;
                } else if (std::ranges::find(textElements, name) != textElements.end()) {
                    if (!skipToEndTag(name))
                        return nullptr;
                }
            } else {
                m_position = from + 1;
            }
        }
    }

private:
    bool skipPast(Position from, char16_t character)
    {
        m_position = find(from, m_end, character);
        if (m_position == m_end)
            return false;
        ++m_position;
        return true;
    }

    // After "<!--": "<!-->" and "<!--->" are empty comments; any other ends at "-->" or "--!>".
    bool skipComment(Position from)
    {
        if (from != m_end && *from == u'>') {
            m_position = from + 1;
            return true;
        }
        if (m_end - from >= 2 && from[0] == u'-' && from[1] == u'>') {
            m_position = from + 2;
            return true;
        }
        for (Position dashes = find(from, m_end, u"--"); dashes != m_end;
             dashes = find(dashes + 1, m_end, u"--")) {
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
                name += lowered(*m_position);
        }
        return name;
    }

    // The attributes from m_position to the tag's ">", as the tokenizer reads them; those of a
    // <meta> go to meta. False when the page ends inside the tag, which makes it no tag.
    bool attributes(MetaAttributes &meta, bool keep)
    {
        for (;;) {
            m_position = skipSpaces(m_position, m_end);
            if (m_position == m_end)
                return false;
            if (*m_position == u'>') {
                ++m_position;
                return true;
            }
            if (*m_position == u'/') {
                ++m_position;
                continue;
            }
            // The name: a first "=" is part of it.
            const Position nameStart = m_position++;
            while (m_position != m_end && !isSpace(*m_position) && *m_position != u'/'
                   && *m_position != u'>' && *m_position != u'=')
                ++m_position;
            const Position nameEnd = m_position;
            m_position = skipSpaces(m_position, m_end);
            if (m_position == m_end)
                return false;
            QStringView value;
            if (*m_position == u'=') {
                m_position = skipSpaces(m_position + 1, m_end);
                if (m_position == m_end)
                    return false;
                if (*m_position == u'"' || *m_position == u'\'') {
                    const Position closing = find(m_position + 1, m_end, *m_position);
                    if (closing == m_end)
                        return false;
                    value = QStringView(m_position + 1, closing);
                    m_position = closing + 1;
                } else if (*m_position != u'>') {
                    const Position valueStart = m_position;
                    while (m_position != m_end && !isSpace(*m_position) && *m_position != u'>')
                        ++m_position;
                    value = QStringView(valueStart, m_position);
                }
            }
            if (keep && nameEnd - nameStart <= 10) {
                std::u16string name;
                for (Position at = nameStart; at != nameEnd; ++at)
                    name += lowered(*at);
                meta.add(name, value);
            }
        }
    }

    // Whether "</name" at from ends a text element called name: followed by space, "/" or ">".
    bool isEndTag(Position from, std::u16string_view name) const
    {
        if (!startsWithWord(from, m_end, u"</") || !startsWithWord(from + 2, m_end, name))
            return false;
        const Position after = from + 2 + name.size();
        return after != m_end && (isSpace(*after) || *after == u'/' || *after == u'>');
    }

    // To the element's end tag, which the main loop then reads as a tag.
    bool skipToEndTag(std::u16string_view name)
    {
        for (Position at = find(m_position, m_end, u"</"); at != m_end;
             at = find(at + 1, m_end, u"</")) {
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
        for (Position at = m_position; at != m_end; ++at) {
            if (*at == u'<') {
                if (part == Part::text && startsWithWord(at, m_end, u"<!--")) {
                    part = Part::escaped;
                    at += 1; // the dashes may also close it: "<!-->"
                } else if (isEndTag(at, u"script")) {
                    if (part != Part::doubleEscaped) {
                        m_position = at;
                        return true;
                    }
                    part = Part::escaped;
                } else if (part == Part::escaped && startsWithWord(at + 1, m_end, u"script")
                           && m_end - at > 7
                           && (isSpace(at[7]) || at[7] == u'/' || at[7] == u'>')) {
                    part = Part::doubleEscaped;
                }
            } else if (*at == u'-' && part != Part::text && startsWithWord(at, m_end, u"-->")) {
                part = Part::text;
                at += 2;
            }
        }
        return false;
    }

    Position m_position;
    const Position m_end;
};

// Where the first 1024 characters of the saved text end.
Position prescanEnd(Position begin, Position end)
{
    qsizetype length = 0;
    Position at = begin;
    while (at != end) {
        const qsizetype width = isLineSeparator(*at) ? 2 : 1;
        if (length + width > prescanLength)
            break;
        length += width;
        ++at;
    }
    return at;
}

} // namespace

const PageCharset *prescanForCharset(QStringView text)
{
    const auto begin = reinterpret_cast<Position>(text.utf16());
    return Prescan(begin, prescanEnd(begin, begin + text.size())).run();
}

const PageCharset *declaredCharset(QStringView text)
{
    if (const PageCharset *declared = prescanForCharset(text))
        return declared;
    const auto begin = reinterpret_cast<Position>(text.utf16());
    return LaterDeclaration(begin, begin + text.size()).run();
}

bool mentionsMeta(QStringView text)
{
    const auto begin = reinterpret_cast<Position>(text.utf16());
    const Position end = begin + text.size();
    for (Position at = find(begin, end, u'<'); at != end; at = find(at + 1, end, u'<')) {
        if (startsWithWord(at, end, u"<meta"))
            return true;
    }
    return false;
}
