// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/charset_declaration.h"

#include "save/encoding/ascii.h"
#include "save/encoding/page_charset.h"
#include "save/encoding/page_encoding.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace {

// Every look reads either bytes (char8_t) or the text's UTF-16 units (char16_t), with the same
// code: a byte beyond ASCII, like a character beyond ASCII, is never part of the markup.
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
Position<Unit> find(Position<Unit> from, Position<Unit> end, char16_t what)
{
    if constexpr (std::is_same_v<Unit, char16_t>) {
        const qsizetype at = QStringView(from, end).indexOf(QChar(what));
        return at < 0 ? end : from + at;
    } else {
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

template<typename Unit>
bool isWord(Position<Unit> from, Position<Unit> end, std::string_view word)
{
    return end - from == qsizetype(word.size()) && startsWithWord(from, end, word);
}

// The encoding a label names, ASCII whitespace and the editor's line breaks trimmed.
template<typename Unit>
const PageCharset *charsetForValue(Position<Unit> from, Position<Unit> end)
{
    from = skipSpaces(from, end);
    while (end != from && isSpace(end[-1]))
        --end;
    constexpr qsizetype longest = 32; // longer than any label
    if (end - from > longest)
        return nullptr;
    char16_t label[longest];
    std::copy(from, end, label);
    return charsetForMetaLabel(QStringView(label, end - from));
}

// The encoding named in a content attribute such as "text/html; charset=utf-8".
template<typename Unit>
const PageCharset *charsetFromContent(Position<Unit> position, Position<Unit> end)
{
    for (;;) {
        while (position != end && !startsWithWord(position, end, "charset"))
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
            const Position<Unit> closing = find(position + 1, end, char16_t(*position));
            if (closing == end)
                return nullptr;
            return charsetForValue(position + 1, closing);
        }
        Position<Unit> labelEnd = position;
        while (labelEnd != end && !isSpace(*labelEnd) && *labelEnd != u';')
            ++labelEnd;
        return charsetForValue(position, labelEnd);
    }
}

// Reads the content attributes a look meets as their bytes in the page's codeset. Only a
// character beyond ASCII just before an ASCII letter can make the bytes read otherwise than
// the text, as a trail byte that completes "charset"; the encoder is made once for a look.
class ContentReader
{
public:
    explicit ContentReader(const QByteArray &codeset)
        : m_codeset(codeset)
    { }

    const PageCharset *charset(std::u8string_view content)
    {
        return charsetFromContent(content.data(), content.data() + content.size());
    }

    const PageCharset *charset(std::u16string_view content)
    {
        const auto beforeLetter = [&](std::size_t at) {
            return content[at] >= 0x80 && at + 1 < content.size() && isAsciiLetter(content[at + 1]);
        };
        bool bytesMayDiffer = false;
        for (std::size_t at = 0; at < content.size(); ++at)
            bytesMayDiffer = bytesMayDiffer || beforeLetter(at);
        m_metBytesThatMayDiffer = m_metBytesThatMayDiffer || bytesMayDiffer;
        if (!bytesMayDiffer || m_codeset.isEmpty())
            return charsetFromContent(content.data(), content.data() + content.size());
        if (!m_encoder)
            m_encoder.emplace(m_codeset);
        for (const char16_t character : content)
            m_encoder->add(isLineSeparator(character) ? QStringView(u"\r\n")
                                                      : QStringView(&character, 1));
        const QByteArray bytes = m_encoder->finish();
        const auto *begin = reinterpret_cast<Position<char8_t>>(bytes.constData());
        return charsetFromContent(begin, begin + bytes.size());
    }

    bool metBytesThatMayDiffer() const { return m_metBytesThatMayDiffer; }

private:
    const QByteArray m_codeset;
    std::optional<PageEncoder> m_encoder;
    bool m_metBytesThatMayDiffer = false;
};

// The prescan of the first bytes, step for step as the HTML standard gives it. Reaching the end
// of those bytes anywhere ends the prescan without an answer.
template<typename Unit>
class Prescan
{
public:
    Prescan(Position<Unit> begin, Position<Unit> end)
        : m_position(begin)
        , m_end(end)
    { }

    const PageCharset *run()
    {
        while (m_position != m_end) {
            const Position<Unit> from = m_position;
            if (startsWithWord(from, m_end, "<!--")) {
                // To the first ">" after two dashes, which may be those of "<!--".
                m_position = find(from + 2, m_end, "-->");
                if (m_position == m_end)
                    return nullptr;
                m_position += 2;
            } else if (startsWithWord(from, m_end, "<meta") && m_end - from > 5
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
            } else if (startsWithWord(from, m_end, "<!") || startsWithWord(from, m_end, "</")
                       || startsWithWord(from, m_end, "<?")) {
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
            const char16_t *const valueEnd = value.data() + value.size();
            if (name == u"http-equiv" && !std::exchange(seenHttpEquiv, true)) {
                gotPragma = gotPragma || value == u"content-type";
            } else if (name == u"content" && !std::exchange(seenContent, true)) {
                const PageCharset *named = charsetFromContent(value.data(), valueEnd);
                if (named && !charsetSet) {
                    charset = named;
                    charsetSet = true;
                    needPragma = Pragma::needed;
                }
            } else if (name == u"charset" && !std::exchange(seenCharset, true)) {
                charset = charsetForValue(value.data(), valueEnd);
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
            name += asciiLower(character);
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
                value += asciiLower(*m_position);
            }
            return Attribute::ended;
        }
        if (*m_position == u'>')
            return Attribute::found;
        for (; m_position != m_end; ++m_position) {
            if (isSpace(*m_position) || *m_position == u'>')
                return Attribute::found;
            value += asciiLower(*m_position);
        }
        return Attribute::ended;
    }

    Position<Unit> m_position;
    const Position<Unit> m_end;
};

// The standard's "get an XML encoding": from "<?xml" at the start to the first ">", the value
// in quotes after "encoding" and "=", each of them after any bytes up to 0x20. A UTF-16 label
// means UTF-8 here too.
template<typename Unit>
const PageCharset *xmlDeclaration(Position<Unit> begin, Position<Unit> end, bool anyCase)
{
    constexpr std::string_view start = "<?xml";
    if (end - begin < qsizetype(start.size()) || !std::equal(start.begin(), start.end(), begin))
        return nullptr;
    Position<Unit> at = begin + start.size();
    const Position<Unit> declarationEnd = find(at, end, u'>');
    if (declarationEnd == end)
        return nullptr;
    end = declarationEnd;
    constexpr std::string_view encoding = "encoding";
    for (;; ++at) {
        if (end - at < qsizetype(encoding.size()))
            return nullptr;
        if (anyCase ? startsWithWord(at, end, encoding)
                    : std::equal(encoding.begin(), encoding.end(), at))
            break;
    }
    at += encoding.size();
    const auto skipControls = [&] {
        while (at != end && *at <= 0x20)
            ++at;
    };
    skipControls();
    if (at == end || *at != u'=')
        return nullptr;
    ++at;
    skipControls();
    if (at == end || (*at != u'"' && *at != u'\''))
        return nullptr;
    const Position<Unit> closing = find(at + 1, end, char16_t(*at));
    if (closing == end)
        return nullptr;
    return charsetForValue(at + 1, closing);
}

// What a <meta> start tag's attributes declare, as a reading decides it.
template<typename Unit>
class MetaAttributes
{
public:
    using View = std::basic_string_view<Unit>;

    // The standard's parser keeps the first value of each name, and takes a charset attribute
    // that names an encoding, else a Content-Type pragma with a content attribute that names
    // one. Blink keeps them all: the last charset attribute, else the last content one.
    void add(const std::u16string &name, View value, bool blink)
    {
        if (name == u"http-equiv") {
            if (blink)
                m_gotPragma = m_gotPragma
                              || isWord(value.data(), value.data() + value.size(), "content-type");
            else if (!std::exchange(m_hasHttpEquiv, true))
                m_gotPragma = isWord(value.data(), value.data() + value.size(), "content-type");
        } else if (name == u"content") {
            if (blink ? !m_hasCharset : !std::exchange(m_hasContent, true)) {
                m_hasContent = true;
                m_content = value;
            }
        } else if (name == u"charset") {
            if (blink || !m_hasCharset)
                m_charset = value;
            m_hasCharset = true;
        }
    }

    const PageCharset *declared(ContentReader &contents, bool blink) const
    {
        if (m_hasCharset) {
            const PageCharset *named
                    = charsetForValue(m_charset.data(), m_charset.data() + m_charset.size());
            if (named || blink)
                return named;
        }
        if (m_gotPragma && m_hasContent)
            return contents.charset(m_content);
        return nullptr;
    }

private:
    bool m_hasHttpEquiv = false;
    bool m_gotPragma = false;
    bool m_hasContent = false;
    bool m_hasCharset = false;
    View m_content;
    View m_charset;
};

// The elements whose content the parser reads as text up to their end tag, so that a <meta>
// in it is no element. Blink's look reads <noscript> as markup.
constexpr std::array<std::u16string_view, 9> textElements
        = {u"iframe", u"noembed",  u"noframes", u"noscript", u"script",
           u"style",  u"textarea", u"title",    u"xmp"};

// The tags that may stand in a head, which Blink's look goes on past (<html> and <head> as
// start tags only).
bool belongsInHead(std::u16string_view name, bool endTag)
{
    constexpr std::array<std::u16string_view, 8> inHead
            = {u"base", u"link", u"meta", u"noscript", u"object", u"script", u"style", u"title"};
    return std::ranges::find(inHead, name) != inHead.end()
           || (!endTag && (name == u"html" || name == u"head"));
}

// The page as the parser's tokenizer reads it, for the first <meta> start tag that declares an
// encoding. Each step moves on, and each search for the end of a comment, tag or text element
// either finds it or ends the look, so the work is linear.
template<typename Unit>
class TokenizerScan
{
public:
    TokenizerScan(Position<Unit> begin, Position<Unit> end, const QByteArray &codeset, bool blink,
                  qsizetype unconditional)
        : m_begin(begin)
        , m_position(begin)
        , m_end(end)
        , m_contents(codeset)
        , m_blink(blink)
        , m_unconditional(unconditional)
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
                    MetaAttributes<Unit> ignored;
                    if (!attributes(ignored, false))
                        return ranOut;
                    if (givesUp(name, true))
                        return {};
                } else if (from[2] == u'>') {
                    m_position = from + 3;
                } else if (!skipPast(from + 2, u'>')) {
                    return ranOut;
                }
            } else if (isAsciiLetter(next)) {
                m_position = from + 1;
                const std::u16string name = tagName();
                const bool isMeta = name == u"meta";
                MetaAttributes<Unit> meta;
                if (!attributes(meta, isMeta))
                    return ranOut;
                if (isMeta) {
                    if (const PageCharset *declared = meta.declared(m_contents, m_blink))
                        return {declared, false};
                } else if (givesUp(name, false) || name == u"plaintext") {
                    return {}; // the rest of the page is text, or the look ends here
                } else if (name == u"script") {
                    if (!skipScript())
                        return ranOut;
                } else if (std::ranges::find(textElements, name) != textElements.end()
                           && !(m_blink && name == u"noscript")) {
                    if (!skipToEndTag(name))
                        return ranOut;
                }
            } else {
                m_position = from + 1;
            }
        }
    }

    bool givesUp(std::u16string_view name, bool endTag) const
    {
        return m_blink && !belongsInHead(name, endTag) && m_position - m_begin >= m_unconditional;
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

    // The attributes from m_position to the tag's ">", as the tokenizer reads them; those of a
    // <meta> go to meta. False when the page ends inside the tag, which makes it no tag.
    bool attributes(MetaAttributes<Unit> &meta, bool keep)
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
            const Position<Unit> nameStart = m_position++;
            while (m_position != m_end && !isSpace(*m_position) && *m_position != u'/'
                   && *m_position != u'>' && *m_position != u'=')
                ++m_position;
            const Position<Unit> nameEnd = m_position;
            m_position = skipSpaces(m_position, m_end);
            if (m_position == m_end)
                return false;
            std::basic_string_view<Unit> value;
            if (*m_position == u'=') {
                m_position = skipSpaces(m_position + 1, m_end);
                if (m_position == m_end)
                    return false;
                if (*m_position == u'"' || *m_position == u'\'') {
                    const Position<Unit> closing
                            = find(m_position + 1, m_end, char16_t(*m_position));
                    if (closing == m_end)
                        return false;
                    value = {m_position + 1, closing};
                    m_position = closing + 1;
                } else if (*m_position != u'>') {
                    const Position<Unit> valueStart = m_position;
                    while (m_position != m_end && !isSpace(*m_position) && *m_position != u'>')
                        ++m_position;
                    value = {valueStart, m_position};
                }
            }
            if (keep && nameEnd - nameStart <= 10) {
                std::u16string name;
                for (Position<Unit> at = nameStart; at != nameEnd; ++at)
                    name += asciiLower(*at);
                meta.add(name, value, m_blink);
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

    const Position<Unit> m_begin;
    Position<Unit> m_position;
    const Position<Unit> m_end;
    ContentReader m_contents;
    const bool m_blink;
    const qsizetype m_unconditional;
};

Position<char8_t> bytesBegin(QByteArrayView bytes)
{
    return reinterpret_cast<Position<char8_t>>(bytes.data());
}

Position<char16_t> textBegin(QStringView text)
{
    return reinterpret_cast<Position<char16_t>>(text.utf16());
}

// Where the first prescanLength bytes of the saved text end, each character one byte.
Position<char16_t> prescanEnd(Position<char16_t> begin, Position<char16_t> end)
{
    qsizetype length = 0;
    Position<char16_t> at = begin;
    while (at != end) {
        const qsizetype width = isLineSeparator(*at) ? 2 : 1;
        if (length + width > prescanLength)
            break;
        length += width;
        ++at;
    }
    return at;
}

template<typename Unit>
const PageCharset *prescan(Position<Unit> begin, Position<Unit> end)
{
    if (const PageCharset *declared = Prescan<Unit>(begin, end).run())
        return declared;
    return xmlDeclaration(begin, end, true);
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
    const Position<char8_t> begin = bytesBegin(bytes);
    return prescan(begin, begin + std::min(bytes.size(), prescanLength));
}

const PageCharset *prescanForCharset(QStringView text)
{
    const Position<char16_t> begin = textBegin(text);
    return prescan(begin, prescanEnd(begin, begin + text.size()));
}

const PageCharset *xmlDeclaredCharset(QByteArrayView start, bool anyCase)
{
    const Position<char8_t> begin = bytesBegin(start);
    return xmlDeclaration(begin, begin + std::min(start.size(), prescanLength), anyCase);
}

DeclarationScan firstDeclaringMeta(QByteArrayView bytes)
{
    const Position<char8_t> begin = bytesBegin(bytes);
    return TokenizerScan<char8_t>(begin, begin + bytes.size(), {}, false, 0).run();
}

DeclarationScan firstDeclaringMeta(QStringView text, const QByteArray &codeset)
{
    const Position<char16_t> begin = textBegin(text);
    return TokenizerScan<char16_t>(begin, begin + text.size(), codeset, false, 0).run();
}

DeclarationScan headDeclaration(QByteArrayView bytes)
{
    const Position<char8_t> begin = bytesBegin(bytes);
    return TokenizerScan<char8_t>(begin, begin + bytes.size(), {}, true, prescanLength).run();
}

DeclarationScan headDeclaration(QStringView text, qsizetype unconditional,
                                const QByteArray &codeset)
{
    const Position<char16_t> begin = textBegin(text);
    return TokenizerScan<char16_t>(begin, begin + text.size(), codeset, true, unconditional).run();
}

const PageCharset *declaredCharset(QStringView text)
{
    if (const PageCharset *declared = prescanForCharset(text))
        return declared;
    return firstDeclaringMeta(text, {}).charset;
}

bool mentionsMeta(QStringView text)
{
    const Position<char16_t> begin = textBegin(text);
    const Position<char16_t> end = begin + text.size();
    for (Position<char16_t> at = find(begin, end, u'<'); at != end; at = find(at + 1, end, u'<')) {
        if (startsWithWord(at, end, "<meta"))
            return true;
    }
    return false;
}
