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

#include "save/page_encoding.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <optional>
#include <string>

namespace {

constexpr std::array<const char *, 6> codePages
        = {"CP1252", "ISO-8859-1", "ISO-8859-15", "KOI8-R", "CP1251", "CP437"};

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

    // Converts the whole input, or nothing when iconv refuses any of it.
    std::optional<std::string> convert(const std::string &input) const
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 4 + 8, '\0');
        char *in = const_cast<char *>(input.data());
        size_t inLeft = input.size();
        char *out = output.data();
        size_t outLeft = output.size();
        if (iconv(m_handle, &in, &inLeft, &out, &outLeft) == size_t(-1) || inLeft != 0)
            return std::nullopt;
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    iconv_t m_handle;
};

std::string utf32(char32_t codePoint)
{
    return std::string(reinterpret_cast<const char *>(&codePoint), sizeof codePoint);
}

char32_t fromUtf32(const std::string &bytes)
{
    char32_t codePoint = 0;
    std::memcpy(&codePoint, bytes.data(), sizeof codePoint);
    return codePoint;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const char *codePage = codePages[data[0] % codePages.size()];
    QString input;
    for (size_t i = 1; i + 1 < size; i += 2)
        input += QChar(char16_t(data[i] | (data[i + 1] << 8)));

    const QByteArray output = encodePage(input, codePage);
    const Iconv encoder(codePage, "UTF-32LE");
    const Iconv decoder("UTF-32LE", codePage);

    // Walk the input and the output side by side.
    QString decoded;
    qsizetype at = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        char32_t codePoint = input[i].unicode();
        if (input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(input[i], input[i + 1]);
            ++i;
        } else if (input[i].isSurrogate()) {
            codePoint = 0xFFFD;
        }
        const std::optional<std::string> held = encoder.convert(utf32(codePoint));
        if (held && held->size() == 1) {
            if (at >= output.size() || output[at] != (*held)[0])
                fail("a character of the code page is not its own byte", input, output);
            ++at;
        } else {
            const QByteArray reference = "&#" + QByteArray::number(uint(codePoint)) + ';';
            if (output.mid(at, reference.size()) != reference)
                fail("a character outside the code page is not its reference", input, output);
            at += reference.size();
        }
        decoded += QString::fromUcs4(&codePoint, 1);
    }
    if (at != output.size())
        fail("the output goes on after the input's last character", input, output);

    for (const char byte : output) {
        if (!decoder.convert(std::string(1, byte)))
            fail("a byte the code page does not define", input, output);
    }

    if (!input.contains(u'&')) {
        // Decode: the code page first, then each reference back to its character.
        const std::optional<std::string> wide = decoder.convert(output.toStdString());
        if (!wide)
            fail("the output does not decode", input, output);
        QString text;
        for (size_t i = 0; i + 4 <= wide->size(); i += 4) {
            const char32_t codePoint = fromUtf32(wide->substr(i, 4));
            text += QString::fromUcs4(&codePoint, 1);
        }
        QString roundTrip;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype end = text.indexOf(u';', i);
            if (text.mid(i, 2) == u"&#" && end > i + 2) {
                bool number = false;
                const char32_t codePoint = text.mid(i + 2, end - i - 2).toUInt(&number);
                if (!number)
                    fail("a reference that is not a number", input, output);
                roundTrip += QString::fromUcs4(&codePoint, 1);
                i = end;
            } else {
                roundTrip += text[i];
            }
        }
        if (roundTrip != decoded)
            fail("decoding the output does not give back the input", input, output);
    }
    return 0;
}
