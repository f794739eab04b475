// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the saved page (fuzz_input.h): the text is saved as the save command
// saves it, twice, which must give the same bytes, and the rule it chooses by must hold of
// them. Either every engine's reading of the bytes gives one charset, from the first bytes on,
// and decoding the bytes in it, references and all, gives back the text with its line
// separators as CR LF and its lone surrogates as U+FFFD; or the bytes are ASCII that every
// charset reads alike, and the references in them give back the text.

#include "fuzz_input.h"
#include "page_bytes.h"
#include "save/encoding/page_charset.h"
#include "save/encoding/page_readings.h"

#include <algorithm>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const Iconv &decoderFor(const QByteArray &codeset)
{
    static std::map<QByteArray, std::unique_ptr<Iconv>> decoders;
    std::unique_ptr<Iconv> &decoder = decoders[codeset];
    if (!decoder)
        decoder = std::make_unique<Iconv>("UTF-32LE", codeset.constData());
    return *decoder;
}

bool isSameInEveryCodeset(const QByteArray &bytes)
{
    return std::ranges::all_of(bytes, [](char byte) {
        return std::uint8_t(byte) < 0x80 && byte != 0x0E && byte != 0x0F && byte != 0x1B;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString input = inputText(data, size);
    SavedPage page(input);
    QByteArray bytes;
    for (int time = 0; time < 2; ++time) {
        QByteArray written;
        page.write([&written](QByteArrayView piece) {
            written += piece;
            return true;
        });
        if (time == 1 && written != bytes)
            fail("a second write gives other bytes", input, written);
        bytes = written;
    }
    QString saved = withoutLoneSurrogates(input);
    saved.replace(QChar(0x2028), u"\r\n"_s).replace(QChar(0x2029), u"\r\n"_s);
    if (input.contains(u'&'))
        return 0; // a typed reference would read as its character
    const PageReadings readings = readPage(bytes);
    const Reading first = readings.front();
    if (isSameInEveryCodeset(bytes)) {
        if (decodePage(decoderFor("ASCII"), bytes, input) != saved)
            fail("the references do not give back the text", input, bytes);
        return 0;
    }
    if (first.late || !std::ranges::all_of(readings, [&](const Reading &r) { return r == first; }))
        fail("the engines read the bytes apart", input, bytes);
    const QByteArray codeset = first.charset ? QByteArray(first.charset->codeset) : pageCodeset();
    if (decodePage(decoderFor(codeset), bytes, input) != saved)
        fail("decoding the saved page does not give back the text", input, bytes);
    return 0;
}
