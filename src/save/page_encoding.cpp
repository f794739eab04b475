// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/page_encoding.h"

#include "text/ascii.h"

#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <stdexcept>
#include <utility>

namespace {

constexpr char fallbackCodeset[] = "CP1252";
constexpr char16_t replacementCharacter = 0xFFFD;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr char utf16Codeset[] = "UTF-16LE";
#else
constexpr char utf16Codeset[] = "UTF-16BE";
#endif

class Converter
{
public:
    explicit Converter(const QByteArray &codeset)
        : m_handle(iconv_open(codeset.constData(), utf16Codeset))
    { }
    ~Converter()
    {
        if (isOpen())
            iconv_close(m_handle);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool isOpen() const { return m_handle != iconv_t(-1); }
    iconv_t handle() const { return m_handle; }

private:
    iconv_t m_handle;
};

void appendReference(QByteArray &out, char32_t codePoint)
{
    char reference[16] = "&#";
    char *const end = std::to_chars(reference + 2, reference + sizeof reference - 1, codePoint).ptr;
    *end = ';';
    out.append(reference, end + 1 - reference);
}

// The code point starting at text[position] and how many UTF-16 units it takes.
std::pair<char32_t, qsizetype> codePointAt(QStringView text, qsizetype position)
{
    const QChar first = text.at(position);
    if (first.isHighSurrogate() && position + 1 < text.size()
        && text.at(position + 1).isLowSurrogate())
        return {QChar::surrogateToUcs4(first, text.at(position + 1)), 2};
    if (first.isSurrogate())
        return {replacementCharacter, 1};
    return {first.unicode(), 1};
}

// Converts one non-ASCII character: a character of the Basic Multilingual Plane, a
// surrogate pair or a lone surrogate. A character the codeset cannot hold is written as its
// reference, and so is one that iconv drops without a word: glibc skips the Unicode tag
// characters (U+E0000 to U+E007F) and reports success.
void appendConverted(QByteArray &out, QStringView character, iconv_t converter)
{
    char buffer[64]; // an 8-bit codeset takes a byte or two for a character
    char *input = const_cast<char *>(reinterpret_cast<const char *>(character.utf16()));
    size_t inputLeft = size_t(character.size()) * sizeof(char16_t);
    char *output = buffer;
    size_t outputLeft = sizeof buffer;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    const size_t result = iconv(converter, &input, &inputLeft, &output, &outputLeft);
    if (result != size_t(-1) && inputLeft == 0 && output != buffer) {
        out.append(buffer, output - buffer);
        return;
    }
    if (result == size_t(-1) && errno != EILSEQ && errno != EINVAL)
        throw std::runtime_error("character conversion failed");
    appendReference(out, codePointAt(character, 0).first);
}

// Narrows the ASCII run that starts at from onto the end of out and returns where the run
// ends. Four characters at a time where it can: most of a page is ASCII.
const char16_t *appendAsciiRun(QByteArray &out, const char16_t *from, const char16_t *end)
{
    const qsizetype start = out.size();
    out.resize(start + (end - from));
    char *destination = out.data() + start;
    if constexpr (std::endian::native == std::endian::little) {
        while (end - from >= 4 && fourAreAscii(from)) {
            std::uint64_t four;
            std::memcpy(&four, from, sizeof four);
            const auto bytes
                    = std::uint32_t((four & 0x7F) | ((four >> 8) & 0x7F00)
                                    | ((four >> 16) & 0x7F0000) | ((four >> 24) & 0x7F000000));
            std::memcpy(destination, &bytes, sizeof bytes);
            destination += 4;
            from += 4;
        }
    }
    while (from != end && *from < 0x80)
        *destination++ = char(*from++);
    out.resize(destination - out.constData());
    return from;
}

} // namespace

// What each character of the Basic Multilingual Plane becomes, found with iconv the first
// time the character occurs: an 8-bit codeset converts every character on its own, so a
// page with many non-ASCII characters costs one conversion per distinct character. The
// table comes in blocks of 256 characters, each made when one of its characters first
// occurs, so an encoder costs little to make: a page uses a few blocks, not all 256.
struct PageEncoder::State
{
    enum Entry : std::uint16_t {
        unknown = 0,
        reference = 1, // the codeset cannot hold it
        throughIconv = 2, // not a single byte: converted each time
        singleByte = 0x100, // plus the byte
    };

    explicit State(const QByteArray &codeset)
        : converter(codeset)
    {
        if (!converter.isOpen())
            throw std::runtime_error("unknown character set " + codeset.toStdString());
    }

    Entry classify(char16_t character)
    {
        char *input = reinterpret_cast<char *>(&character);
        size_t inputLeft = sizeof character;
        char output[8];
        char *outputEnd = output;
        size_t outputLeft = sizeof output;
        iconv(converter.handle(), nullptr, nullptr, nullptr, nullptr);
        const size_t result
                = iconv(converter.handle(), &input, &inputLeft, &outputEnd, &outputLeft);
        if (result != size_t(-1) && inputLeft == 0 && outputEnd - output == 1)
            return Entry(singleByte + std::uint8_t(output[0]));
        if (result == size_t(-1) && errno == EILSEQ && inputLeft == sizeof character
            && outputEnd == output)
            return reference;
        return throughIconv;
    }

    void appendCharacter(char16_t character)
    {
        std::unique_ptr<Block> &block = blocks[character >> 8];
        if (!block)
            block = std::make_unique<Block>(); // every entry unknown
        std::uint16_t &entry = (*block)[character & 0xFF];
        if (entry == unknown)
            entry = classify(character);
        if (entry >= singleByte)
            out += char(entry - singleByte);
        else if (entry == reference)
            appendReference(out, character);
        else
            appendConverted(out, QStringView(&character, 1), converter.handle());
    }

    void encode(QStringView text)
    {
        out.reserve(out.size() + text.size()); // one byte a character, mostly
        const auto *position = reinterpret_cast<const char16_t *>(text.utf16());
        const char16_t *const end = position + text.size();
        while (position != end) {
            if (*position < 0x80) {
                position = appendAsciiRun(out, position, end);
            } else if (QChar::isSurrogate(*position)) {
                const bool pair = QChar::isHighSurrogate(*position) && end - position > 1
                                  && QChar::isLowSurrogate(position[1]);
                const qsizetype units = pair ? 2 : 1;
                appendConverted(out, QStringView(position, units), converter.handle());
                position += units;
            } else {
                appendCharacter(*position++);
            }
        }
    }

    using Block = std::array<std::uint16_t, 256>;

    Converter converter;
    std::array<std::unique_ptr<Block>, 256> blocks;
    QByteArray out;
    char16_t pendingHighSurrogate = 0; // the last piece ended in it
};

PageEncoder::PageEncoder(const QByteArray &codeset)
    : m_state(std::make_unique<State>(codeset))
{ }

PageEncoder::~PageEncoder() = default;

void PageEncoder::add(QStringView piece)
{
    if (piece.isEmpty())
        return;
    if (const char16_t high = std::exchange(m_state->pendingHighSurrogate, 0)) {
        const char16_t pair[2] = {high, piece.front().unicode()};
        const bool joins = piece.front().isLowSurrogate();
        m_state->encode(QStringView(pair, joins ? 2 : 1));
        if (joins)
            piece = piece.sliced(1);
    }
    if (!piece.isEmpty() && piece.back().isHighSurrogate()) {
        m_state->pendingHighSurrogate = piece.back().unicode();
        piece.chop(1);
    }
    m_state->encode(piece);
}

QByteArray PageEncoder::take()
{
    return std::exchange(m_state->out, {});
}

QByteArray PageEncoder::finish()
{
    if (const char16_t high = std::exchange(m_state->pendingHighSurrogate, 0))
        m_state->encode(QStringView(&high, 1));
    return take();
}

QByteArray chooseCodeset(const QByteArray &localeCodeset, int maxBytesPerCharacter)
{
    const bool asciiOnly = localeCodeset == "ANSI_X3.4-1968" || localeCodeset == "ASCII";
    if (maxBytesPerCharacter != 1 || asciiOnly || localeCodeset.isEmpty())
        return fallbackCodeset;
    if (!Converter(localeCodeset).isOpen())
        return fallbackCodeset;
    return localeCodeset;
}

QByteArray pageCodeset()
{
    return chooseCodeset(nl_langinfo(CODESET), int(MB_CUR_MAX));
}

QByteArray encodePage(QStringView text, const QByteArray &codeset)
{
    PageEncoder encoder(codeset);
    encoder.add(text);
    return encoder.finish();
}
