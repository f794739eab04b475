// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/encoding/declaration_scanning.h"
#include "save/encoding/page_charset.h"
#include "save/encoding/page_encoding.h"

#include <QByteArray>

#include <optional>
#include <span>

// Which of two attributes of one name in a <meta> counts.
enum class Repeated { firstCounts, lastCounts };

// Whether a content attribute declares a charset only beside http-equiv="Content-Type".
enum class Pragma { needed, notNeeded };

// What a charset attribute naming no encoding the engine knows leaves: no declaration, or the
// content attribute to make one.
enum class UnknownCharsetLabel { declaresNothing, leavesTheContent };

// How an engine reads a <meta> start tag's attributes. A charset attribute is taken over a
// content one wherever either stands.
struct MetaRule
{
    Repeated charsetAttribute;
    Repeated contentAttribute; // and http-equiv: where the last counts, any pragma does
    Pragma pragma;
    UnknownCharsetLabel unknownLabel;
    std::span<const CharsetLabel> moreLabels; // beyond the standard's
};

// Reads the content attributes a look meets as their bytes in the page's codeset. In a text,
// only a character beyond ASCII just before an ASCII letter can make the bytes read otherwise
// than the text, as a trail byte that completes "charset"; the encoder is made once for a look.
template<typename Unit>
class ContentReader
{
public:
    explicit ContentReader(const QByteArray &codeset)
        : m_codeset(codeset)
    { }

    // The label in a content attribute, as the bytes the text is saved as hold it.
    const PageCharset *charset(Span<Unit> content, std::span<const CharsetLabel> moreLabels)
    {
        char16_t buffer[32];
        if constexpr (std::is_same_v<Unit, char16_t>) {
            const QStringView text(content.begin, content.end);
            bool bytesMayDiffer = false;
            for (qsizetype at = 0; at + 1 < text.size() && !bytesMayDiffer; ++at)
                bytesMayDiffer
                        = text[at].unicode() >= 0x80 && isAsciiLetter(text[at + 1].unicode());
            m_metBytesThatMayDiffer = m_metBytesThatMayDiffer || bytesMayDiffer;
            if (bytesMayDiffer && !m_codeset.isEmpty()) {
                if (!m_encoder)
                    m_encoder.emplace(m_codeset);
                for (qsizetype at = 0; at < text.size();) {
                    const SavedCharacter character = savedCharacterAt(text, at);
                    m_encoder->add(character.saved);
                    at += character.units;
                }
                const QByteArray bytes = m_encoder->finish();
                const auto *begin = reinterpret_cast<Position<char8_t>>(bytes.constData());
                const Span<char8_t> label = labelInContent(begin, begin + bytes.size());
                return charsetForMetaLabel(trimmedLabel(label.begin, label.end, buffer),
                                           moreLabels);
            }
        }
        const Span<Unit> label = labelInContent(content.begin, content.end);
        return charsetForMetaLabel(trimmedLabel(label.begin, label.end, buffer), moreLabels);
    }

    // A content attribute was met whose bytes may read otherwise in another double-byte
    // codeset, so that the look's answer for one codeset may not hold for another.
    bool metBytesThatMayDiffer() const { return m_metBytesThatMayDiffer; }

private:
    const QByteArray m_codeset;
    std::optional<PageEncoder> m_encoder;
    bool m_metBytesThatMayDiffer = false;
};

// What a <meta> start tag's attributes declare, as an engine's rule decides it.
template<typename Unit>
class MetaDeclaration
{
public:
    explicit MetaDeclaration(const MetaRule &rule)
        : m_rule(rule)
    { }

    // The tag's attributes, in its order.
    void add(const Attribute<Unit> &attribute)
    {
        const bool lastContentCounts = m_rule.contentAttribute == Repeated::lastCounts;
        if (attribute.name.is("http-equiv")) {
            const bool pragma = attribute.value.is("content-type");
            if (lastContentCounts)
                m_pragma = m_pragma || pragma;
            else if (!std::exchange(m_hasHttpEquiv, true))
                m_pragma = pragma;
        } else if (attribute.name.is("content")) {
            if (lastContentCounts || !std::exchange(m_hasContent, true))
                m_content = attribute.value;
            m_hasContent = true;
        } else if (attribute.name.is("charset")) {
            if (m_rule.charsetAttribute == Repeated::lastCounts
                || !std::exchange(m_hasCharset, true))
                m_charset = attribute.value;
            m_hasCharset = true;
        }
    }

    const PageCharset *declared(ContentReader<Unit> &contents) const
    {
        if (m_hasCharset) {
            char16_t buffer[32];
            const PageCharset *named = charsetForMetaLabel(
                    trimmedLabel(m_charset.begin, m_charset.end, buffer), m_rule.moreLabels);
            if (named || m_rule.unknownLabel == UnknownCharsetLabel::declaresNothing)
                return named;
        }
        if ((m_pragma || m_rule.pragma == Pragma::notNeeded) && m_hasContent)
            return contents.charset(m_content, m_rule.moreLabels);
        return nullptr;
    }

private:
    const MetaRule &m_rule;
    bool m_hasHttpEquiv = false;
    bool m_pragma = false;
    bool m_hasContent = false;
    bool m_hasCharset = false;
    Span<Unit> m_content;
    Span<Unit> m_charset;
};
