// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the engines' readings of a page (fuzz_input.h). Each UTF-16 unit of the
// input stands for one byte, its low byte, but for the editor's line separators, which stand
// for CR LF: so the page is a text whose saved form, in ISO-8859-1, is bytes with every value.
// What must hold: the readings a save makes from the text and the first bytes are the readings
// of the whole of the bytes, for every engine; and a page whose bytes hold neither "<meta" nor
// "<?xml" in any case, nor start with a byte order mark or an SVG or feed element, declares
// nothing in any engine.

#include "fuzz_input.h"
#include "save/encoding/page_readings.h"
#include "text/line_breaks/saved_text.h"

#include <algorithm>

namespace {

// The text's first prescanLength bytes or more, as a save finds them: a byte a character, two
// for a line break.
SavedStart firstBytes(const QString &raw, const QByteArray &bytes)
{
    SavedStart start;
    qsizetype at = 0;
    qsizetype length = 0;
    for (; at < raw.size() && length < prescanLength; ++at)
        length += isLineSeparator(raw[at].unicode()) ? 2 : 1;
    start.bytes = bytes.first(length);
    start.whole = at == raw.size();
    start.firstBytesEnd = length >= prescanLength ? at : raw.size() + 1;
    return start;
}

bool declaresNothingAnywhere(const QByteArray &bytes)
{
    return !bytes.contains("<meta") && !bytes.toLower().contains("<meta")
           && !bytes.toLower().contains("<?xml") && !bytes.startsWith("\xef\xbb\xbf")
           && !bytes.startsWith("\xfe\xff") && !bytes.startsWith("\xff\xfe")
           && !bytes.startsWith("<svg") && !bytes.startsWith("<rss") && !bytes.contains("XHTML")
           && !bytes.contains("xhtml");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    QString raw = inputText(data, size);
    QByteArray bytes;
    for (QChar &unit : raw) {
        if (isLineSeparator(unit.unicode())) {
            bytes += "\r\n";
        } else {
            unit = QChar(char16_t(unit.unicode() & 0xFF));
            bytes += char(unit.unicode());
        }
    }
    const PageReadings whole = readPage(bytes);
    WholeTextLooks text(raw);
    if (readSavedPage(firstBytes(raw, bytes), text, "ISO-8859-1") != whole)
        fail("the readings from the text are not those of the bytes", raw, bytes);
    if (declaresNothingAnywhere(bytes)
        && std::ranges::any_of(whole, [](const Reading &reading) { return reading.charset; }))
        fail("a declaration without a <meta> or an XML declaration", raw, bytes);
    return 0;
}
