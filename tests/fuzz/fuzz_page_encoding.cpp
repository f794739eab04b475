// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for encodePage(). The input's first byte picks an 8-bit code page, the
// rest is read as UTF-16 (little-endian pairs of bytes), so every kind of 16-bit text turns
// up: lone surrogates, U+0000, U+FFFF, pairs for characters above U+FFFF.
//
// What must hold for every input:
// - each character the code page holds comes out as its own single byte, and every other
//   character (a lone surrogate counting as U+FFFD) as its decimal reference "&#N;";
//   an "&" is written as it stands;
// - so every byte is one the code page defines;
// - when the input holds no "&", decoding the output (the code page, then the references)
//   gives back the input with each lone surrogate as U+FFFD.
// The checks ask iconv about one character at a time, apart from how the encoder uses it.
//
// The same text is also encoded in UTF-8, which must equal Qt's UTF-8 of it, and in a
// multi-byte codeset picked by the first byte too, in two pieces: decoding that output must
// give back the input in the same way. And the charset declaration scanner reads it: what
// the prescan finds is the page's answer, a text without "meta" or an XML declaration
// declares nothing, and the editor's line separators read as CR LF.
//
// Last, the text is saved as the save command saves it (SavedPage), twice, and the rule it
// chooses by must hold of the bytes: both browsers' readings of them, made on the bytes,
// give the charset it used, or the bytes are ASCII that every charset reads alike; and
// decoding them in that charset, references and all, gives back the text with its line
// separators as CR LF.

#include "save/encoding/charset_declaration.h"
#include "save/encoding/page_charset.h"
#include "save/encoding/page_encoding.h"
#include "save/encoding/page_readings.h"
#include "save/encoding/saved_page.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<const char *, 6> codePages
        = {"CP1252", "ISO-8859-1", "ISO-8859-15", "KOI8-R", "CP1251", "CP437"};
constexpr std::array<const char *, 7> multiByteCodesets
        = {"CP932", "GB18030", "BIG5-HKSCS", "EUC-JP", "CP949", "ISO-2022-JP", "GBK"};

[[noreturn]] void fail(const char *what, const QString &input, const QByteArray &output)
{
    std::fprintf(stderr, "encodePage: %s\ninput (UTF-16 units):", what);
    for (const QChar c : input)
        std::fprintf(stderr, " %04X", c.unicode());
    std::fprintf(stderr, "\noutput: %s\n", output.toPercentEncoding().constData());
    std::abort();
}

class Iconv
{
public:
    Iconv(const char *to, const char *from)
        : m_handle(iconv_open(to, from))
    {
        if (m_handle == iconv_t(-1))
            std::abort();
    }
    ~Iconv() { iconv_close(m_handle); }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;

    // Converts the whole input into output, or returns false when iconv refuses any of it.
    bool convert(std::string_view input, std::string &output) const
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        output.resize(input.size() * 4 + 8);
        char *in = const_cast<char *>(input.data());
        size_t inLeft = input.size();
        char *out = output.data();
        size_t outLeft = output.size();
        if (iconv(m_handle, &in, &inLeft, &out, &outLeft) == size_t(-1) || inLeft != 0)
            return false;
        output.resize(output.size() - outLeft);
        return true;
    }

private:
    iconv_t m_handle;
};

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

void appendCodePoint(QString &text, char32_t codePoint)
{
    if (QChar::requiresSurrogates(codePoint)) {
        text += QChar(QChar::highSurrogate(codePoint));
        text += QChar(QChar::lowSurrogate(codePoint));
    } else {
        text += QChar(char16_t(codePoint));
    }
}

// The text of output in codeset, each reference turned back into its character.
QString decodePage(const Iconv &decoder, const QByteArray &output, const QString &input)
{
    std::string converted;
    if (!decoder.convert(std::string_view(output.constData(), output.size()), converted))
        fail("the output does not decode", input, output);
    QString text;
    text.reserve(qsizetype(converted.size() / 4));
    for (size_t i = 0; i + 4 <= converted.size(); i += 4) {
        char32_t codePoint = 0;
        std::memcpy(&codePoint, converted.data() + i, sizeof codePoint);
        appendCodePoint(text, codePoint);
    }
    QString roundTrip;
    roundTrip.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype end = text.indexOf(u';', i);
        const QStringView rest = QStringView(text).sliced(i);
        if (rest.startsWith(u"&#") && end > i + 2) {
            bool number = false;
            const char32_t codePoint = rest.first(end - i).sliced(2).toUInt(&number);
            if (!number)
                fail("a reference that is not a number", input, output);
            appendCodePoint(roundTrip, codePoint);
            i = end;
        } else {
            roundTrip += text[i];
        }
    }
    return roundTrip;
}

void checkMultiByte(const char *codeset, const QString &input, const QString &decoded)
{
    const QByteArray output = encodePage(input, codeset);
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

void checkScanner(const QString &input)
{
    const PageCharset *declared = declaredCharset(input);
    const PageCharset *prescanned = prescanForCharset(input);
    if (prescanned && prescanned != declared)
        fail("the prescan's answer is not the page's", input, {});
    if (declared && !declared->codeset)
        fail("a declared encoding that cannot be written", input, {});
    if (declared && !input.contains(u"meta", Qt::CaseInsensitive) && !input.startsWith(u"<?xml"))
        fail("a declaration without a <meta> or an XML declaration", input, {});
    if (!input.contains(u'\r') && !input.contains(u'\n')) {
        QString crlf = input;
        crlf.replace(QChar(0x2028), u"\r\n"_s).replace(QChar(0x2029), u"\r\n"_s);
        if (declaredCharset(crlf) != declared)
            fail("a line separator reads otherwise than CR LF", input, {});
    }
}

const Iconv &decoderFor(const QByteArray &codeset)
{
    static std::map<QByteArray, std::unique_ptr<Iconv>> decoders;
    std::unique_ptr<Iconv> &decoder = decoders[codeset];
    if (!decoder)
        decoder = std::make_unique<Iconv>("UTF-32LE", codeset.constData());
    return *decoder;
}

bool isAsciiAlike(const QByteArray &bytes)
{
    return std::ranges::all_of(bytes, [](char byte) {
        return std::uint8_t(byte) < 0x80 && byte != 0x0E && byte != 0x0F && byte != 0x1B;
    });
}

void checkSavedPage(const QString &input, const QString &decoded)
{
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
    QString saved = decoded;
    saved.replace(QChar(0x2028), u"\r\n"_s).replace(QChar(0x2029), u"\r\n"_s);
    const SavedPage::Choice *choice = page.choice();
    if (!choice) {
        if (!isAsciiAlike(bytes) || QString::fromLatin1(bytes) != saved)
            fail("a page written without a choice is not its ASCII", input, bytes);
        return;
    }
    const PageReadings readings = readPage(bytes);
    if (!(readings.standard == Reading{choice->charset}))
        fail("the standard's reading of the bytes is not the charset used", input, bytes);
    const bool alike = isAsciiAlike(bytes);
    if (!(readings.blink == Reading{choice->charset}) && !alike)
        fail("Blink's reading of the bytes is not the charset used", input, bytes);
    if (choice->beyondAscii == BeyondAscii::asReferences && !alike)
        fail("a page in references is not ASCII alike", input, bytes);
    if (!input.contains(u'&') && decodePage(decoderFor(choice->codeset), bytes, input) != saved)
        fail("decoding the saved page does not give back the text", input, bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const char *codePage = codePages[data[0] % codePages.size()];
    QString input;
    input.reserve(qsizetype(size / 2));
    for (size_t i = 1; i + 1 < size; i += 2)
        input += QChar(char16_t(data[i] | (data[i + 1] << 8)));

    checkScanner(input);
    const QByteArray output = encodePage(input, codePage);
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

    if (encodePage(input, "UTF-8") != decoded.toUtf8())
        fail("the UTF-8 output is not the input's UTF-8", input, output);
    checkMultiByte(multiByteCodesets[data[0] / codePages.size() % multiByteCodesets.size()], input,
                   decoded);
    checkSavedPage(input, decoded);
    return 0;
}
