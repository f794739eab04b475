// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/saved_page.h"

#include "save/encoding/page_charset.h"
#include "save/encoding/page_readings.h"
#include "text/line_breaks/saved_text.h"

#include <algorithm>

namespace {

using Choice = SavedPage::Choice;

Choice inCharset(const PageCharset *charset)
{
    return {charset ? QByteArray(charset->codeset) : pageCodeset(), charset};
}

// The first prescanLength bytes the text would be saved as, or a character more, and the
// raw index at which they end.
SavedStart savedStart(QStringView raw, const Choice &choice)
{
    PageEncoder encoder(choice.codeset, choice.beyondAscii);
    qsizetype at = 0;
    while (at < raw.size() && encoder.madeSize() < prescanLength) {
        const SavedCharacter character = savedCharacterAt(raw, at);
        if (at == 0 && choice.firstAsReference)
            encoder.addReference(characterAt(raw, 0).codePoint);
        else
            encoder.add(character.saved);
        at += character.units;
    }
    SavedStart start;
    start.firstBytesEnd = encoder.madeSize() >= prescanLength ? at : raw.size() + 1;
    start.whole = at == raw.size();
    start.bytes = start.whole ? encoder.finish() : encoder.take();
    return start;
}

PageReadings readSaved(WholeTextLooks &text, Choice &choice)
{
    const QStringView raw = text.raw();
    const bool asReferences = choice.beyondAscii == BeyondAscii::asReferences;
    SavedStart start = savedStart(raw, choice);
    if (const PageCharset *mark = byteOrderMark(start.bytes); mark && mark != choice.charset) {
        choice.firstAsReference = true;
        start = savedStart(raw, choice);
    }
    return readSavedPage(start, text, asReferences ? QByteArray() : choice.codeset);
}

// Whether every reading gives the charset, one a page can be saved in.
bool allRead(const PageReadings &readings, const PageCharset *charset)
{
    return (!charset || charset->codeset)
           && std::ranges::all_of(readings, [charset](const Reading &reading) {
                  return reading == Reading{charset};
              });
}

// The text's own answer comes first: the first declaring <meta> the standard's parser meets,
// which is every reading's answer for most pages; then the one every reading of those bytes
// gives, where they agree on another; and failing both, references.
Choice choose(QStringView raw)
{
    WholeTextLooks text(raw);
    const PageCharset *candidate = text.look(0, raw.size() + 1, {}).charset;
    for (int attempt = 0; attempt < 2; ++attempt) {
        Choice choice = inCharset(candidate);
        const PageReadings readings = readSaved(text, choice);
        if (allRead(readings, candidate))
            return choice;
        if (!allRead(readings, readings.front().charset) || readings.front().ranOut)
            break;
        candidate = readings.front().charset;
    }
    Choice references;
    references.beyondAscii = BeyondAscii::asReferences;
    const PageReadings readings = readSaved(text, references);
    const PageCharset *standard = readings.front().charset;
    const Choice inStandard = inCharset(standard && standard->codeset ? standard : nullptr);
    references.codeset = inStandard.codeset;
    references.charset = inStandard.charset;
    return references;
}

} // namespace

SavedPage::SavedPage(QStringView raw)
    : m_raw(raw)
{ }

void SavedPage::write(const std::function<bool(QByteArrayView)> &write)
{
    std::optional<PageEncoder> encoder;
    QByteArray sameInEveryCodeset;
    bool written = true;
    forEachSavedPiece(m_raw, [&](QStringView piece) {
        if (!encoder) {
            sameInEveryCodeset.clear();
            const qsizetype taken = appendSameInEveryCodeset(sameInEveryCodeset, piece);
            if (!(written = write(sameInEveryCodeset)))
                return false;
            if (taken == piece.size())
                return true;
            if (!m_choice)
                m_choice = choose(m_raw);
            encoder.emplace(m_choice->codeset, m_choice->beyondAscii);
            piece = piece.sliced(taken);
            if (m_choice->firstAsReference) { // which is the page's first character
                const TextCharacter first = characterAt(piece, 0);
                encoder->addReference(first.codePoint);
                piece = piece.sliced(first.units);
            }
        }
        encoder->add(piece);
        return written = write(encoder->take());
    });
    if (written && encoder)
        write(encoder->finish());
}
