// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/saved_page.h"

#include "save/encoding/ascii.h"
#include "save/encoding/charset_declaration.h"
#include "save/encoding/page_charset.h"
#include "save/encoding/page_readings.h"
#include "save/encoding/saved_text.h"

namespace {

using Choice = SavedPage::Choice;

// The text's first character, a lone surrogate as U+FFFD as the encoder writes it.
char32_t firstCodePoint(QStringView text)
{
    const char16_t first = text.front().unicode();
    if (QChar::isHighSurrogate(first) && text.size() > 1 && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(first, text[1].unicode());
    return QChar::isSurrogate(first) ? U'\uFFFD' : first;
}

Choice inCharset(const PageCharset *charset)
{
    return {charset ? QByteArray(charset->codeset) : pageCodeset(), charset};
}

// The first prescanLength bytes the text would be saved as, or a character more, and the
// index of the character whose bytes reach them.
struct SavedStart
{
    QByteArray bytes;
    bool whole = false;
    qsizetype unconditional = 0;
};

SavedStart savedStart(QStringView raw, const Choice &choice)
{
    PageEncoder encoder(choice.codeset, choice.beyondAscii);
    SavedStart start;
    qsizetype at = 0;
    while (at < raw.size() && start.bytes.size() < prescanLength) {
        const char16_t unit = raw[at].unicode();
        const bool pair = QChar::isHighSurrogate(unit) && at + 1 < raw.size()
                          && raw[at + 1].isLowSurrogate();
        if (at == 0 && choice.firstAsReference)
            encoder.addReference(firstCodePoint(raw));
        else if (isLineSeparator(unit))
            encoder.add(u"\r\n");
        else if (QChar::isSurrogate(unit) && !pair)
            encoder.add(u"\uFFFD"); // as the encoder writes a lone one
        else
            encoder.add(raw.sliced(at, pair ? 2 : 1));
        start.bytes += encoder.take();
        at += pair ? 2 : 1;
    }
    start.whole = at == raw.size();
    if (start.whole)
        start.bytes += encoder.finish();
    start.unconditional = start.bytes.size() >= prescanLength ? at : raw.size() + 1;
    return start;
}

PageReadings readSaved(QStringView raw, Choice &choice,
                       const std::optional<DeclarationScan> &textual)
{
    const bool asciiOnly = choice.beyondAscii == BeyondAscii::asReferences;
    const QByteArray codeset = asciiOnly ? QByteArray() : choice.codeset;
    SavedStart start = savedStart(raw, choice);
    if (const PageCharset *mark = byteOrderMark(start.bytes); mark && mark != choice.charset) {
        choice.firstAsReference = true;
        start = savedStart(raw, choice);
    }
    return readSavedPage(start.bytes, start.whole, raw, start.unconditional, codeset, textual);
}

// The text's own answer comes first: the first declaring <meta> the tokenizer meets, which is
// the answer of both readings for most pages; then the one both readings of those bytes give,
// where they agree on another; and failing both, references.
Choice choose(QStringView raw)
{
    std::optional<DeclarationScan> textual;
    if (mentionsMeta(raw))
        textual = firstDeclaringMeta(raw, {});
    const PageCharset *candidate = textual ? textual->charset : nullptr;
    for (int attempt = 0; attempt < 2; ++attempt) {
        Choice choice = inCharset(candidate);
        const PageReadings readings = readSaved(raw, choice, textual);
        if (readings.standard == Reading{candidate} && readings.blink == Reading{candidate})
            return choice;
        if (!(readings.standard == readings.blink) || !readings.standard.known)
            break;
        candidate = readings.standard.charset;
    }
    Choice references;
    references.beyondAscii = BeyondAscii::asReferences;
    const PageReadings readings = readSaved(raw, references, textual);
    const Choice standard = inCharset(readings.standard.charset);
    references.codeset = standard.codeset;
    references.charset = standard.charset;
    return references;
}

} // namespace

SavedPage::SavedPage(QStringView raw)
    : m_raw(raw)
{ }

void SavedPage::write(const std::function<bool(QByteArrayView)> &write)
{
    std::optional<PageEncoder> encoder;
    QByteArray alike;
    bool written = true;
    forEachSavedPiece(m_raw, [&](QStringView piece) {
        if (!encoder) {
            alike.clear();
            const qsizetype taken = appendAsciiAlike(alike, piece);
            if (!(written = write(alike)))
                return false;
            if (taken == piece.size())
                return true;
            if (!m_choice)
                m_choice = choose(m_raw);
            encoder.emplace(m_choice->codeset, m_choice->beyondAscii);
            piece = piece.sliced(taken);
            if (m_choice->firstAsReference) { // which is the page's first character
                encoder->addReference(firstCodePoint(piece));
                piece = piece.sliced(QChar::requiresSurrogates(firstCodePoint(piece)) ? 2 : 1);
            }
        }
        encoder->add(piece);
        return written = write(encoder->take());
    });
    if (written && encoder)
        write(encoder->finish());
}
