// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the page encoder. The input's first byte picks an 8-bit code page and
// a multi-byte codeset (fuzz_input.h). What must hold for every input:
// - each character the code page holds comes out as its own single byte, and every other
//   character (a lone surrogate counting as U+FFFD) as its decimal reference "&#N;";
//   an "&" is written as it stands;
// - so every byte is one the code page defines;
// - when the input holds no "&", decoding the output (the code page, then the references)
//   gives back the input with each lone surrogate as U+FFFD.
// The checks ask iconv about one character at a time, apart from how the encoder uses it.
// The same text is also encoded in UTF-8, which must equal Qt's UTF-8 of it, and in the
// multi-byte codeset, in two pieces: decoding that output must give back the input alike.

#include "fuzz_input.h"
#include "page_bytes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr std::array<const char *, 6> codePages
        = {"CP1252", "ISO-8859-1", "ISO-8859-15", "KOI8-R", "CP1251", "CP437"};
constexpr std::array<const char *, 7> multiByteCodesets
        = {"CP932", "GB18030", "BIG5-HKSCS", "EUC-JP", "CP949", "ISO-2022-JP", "GBK"};

// The checks' own converters for each code page, opened once, and what they answered for
// each character and byte, asked once: the answers never change, and asking iconv afresh
// for every character of every input would cost far more than the encoding under test.
class CodePageOracle
{
public:
    explicit CodePageOracle(const char *codePage)
        : m_encoder(codePage, "UTF-32LE")
        , m_decoder("UTF-32LE", codePage)
    {
        std::string decoded;
        for (int byte = 0; byte < 256; ++byte) {
            const char single = char(byte);
            m_definedBytes[byte] = m_decoder.convert(std::string_view(&single, 1), decoded);
        }
    }

    // The one byte the code page has for a character, or none.
    std::optional<char> heldByte(char32_t codePoint)
    {
        if (codePoint > 0xFFFF)
            return askHeldByte(codePoint);
        std::int16_t &answer = m_heldBytes[codePoint];
        if (answer == unasked) {
            const std::optional<char> byte = askHeldByte(codePoint);
            answer = byte ? std::uint8_t(*byte) : notHeld;
        }
        return answer == notHeld ? std::nullopt : std::optional<char>(char(answer));
    }

    bool definesByte(char byte) const { return m_definedBytes[std::uint8_t(byte)]; }
    const Iconv &decoder() const { return m_decoder; }

private:
    static constexpr std::int16_t unasked = -2;
    static constexpr std::int16_t notHeld = -1;

    std::optional<char> askHeldByte(char32_t codePoint)
    {
        const std::string_view utf32(reinterpret_cast<const char *>(&codePoint), sizeof codePoint);
        if (m_encoder.convert(utf32, m_converted) && m_converted.size() == 1)
            return m_converted[0];
        return std::nullopt;
    }

    Iconv m_encoder;
    Iconv m_decoder;
    std::string m_converted;
    std::array<bool, 256> m_definedBytes = {};
    std::vector<std::int16_t> m_heldBytes = std::vector<std::int16_t>(0x10000, unasked);
};

CodePageOracle &oracle(std::size_t codePageIndex)
{
    static std::array<std::unique_ptr<CodePageOracle>, codePages.size()> made;
    std::unique_ptr<CodePageOracle> &oracle = made[codePageIndex];
    if (!oracle)
        oracle = std::make_unique<CodePageOracle>(codePages[codePageIndex]);
    return *oracle;
}

void checkMultiByte(const char *codeset, const QString &input, const QString &decoded)
{
    const QByteArray output = encoded(input, codeset);
    PageEncoder encoder(codeset);
    encoder.add(QStringView(input).first(input.size() / 2));
    QByteArray pieces = encoder.take();
    encoder.add(QStringView(input).sliced(input.size() / 2));
    pieces += encoder.finish();
    if (pieces != output)
        fail("two pieces do not give the bytes of the whole", input, output);
    static std::vector<std::unique_ptr<Iconv>> decoders(multiByteCodesets.size());
    const auto index
            = std::size_t(std::find(multiByteCodesets.begin(), multiByteCodesets.end(), codeset)
                          - multiByteCodesets.begin());
    if (!decoders[index])
        decoders[index] = std::make_unique<Iconv>("UTF-32LE", codeset);
    if (!input.contains(u'&') && decodePage(*decoders[index], output, input) != decoded)
        fail("decoding the multi-byte output does not give back the input", input, output);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const char *codePage = codePages[data[0] % codePages.size()];
    const QString input = inputText(data, size);
    const QByteArray output = encoded(input, codePage);
    CodePageOracle &codePageOracle = oracle(data[0] % codePages.size());

    // Walk the input and the output side by side.
    QString decoded;
    decoded.reserve(input.size());
    qsizetype at = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        char32_t codePoint = input[i].unicode();
        if (input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(input[i], input[i + 1]);
            ++i;
        } else if (input[i].isSurrogate()) {
            codePoint = 0xFFFD;
        }
        if (const std::optional<char> held = codePageOracle.heldByte(codePoint)) {
            if (at >= output.size() || output[at] != *held)
                fail("a character of the code page is not its own byte", input, output);
            ++at;
        } else {
            char reference[16] = "&#";
            char *end = std::to_chars(reference + 2, reference + 14, std::uint32_t(codePoint)).ptr;
            *end++ = ';';
            if (!QByteArrayView(output).sliced(at).startsWith(
                        QByteArrayView(reference, end - reference)))
                fail("a character outside the code page is not its reference", input, output);
            at += end - reference;
        }
        appendCodePoint(decoded, codePoint);
    }
    if (at != output.size())
        fail("the output goes on after the input's last character", input, output);

    for (const char byte : output) {
        if (!codePageOracle.definesByte(byte))
            fail("a byte the code page does not define", input, output);
    }

    if (!input.contains(u'&') && decodePage(codePageOracle.decoder(), output, input) != decoded)
        fail("decoding the output does not give back the input", input, output);

    if (encoded(input, "UTF-8") != decoded.toUtf8())
        fail("the UTF-8 output is not the input's UTF-8", input, output);
    checkMultiByte(multiByteCodesets[data[0] / codePages.size() % multiByteCodesets.size()], input,
                   decoded);
    return 0;
}
