// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/page_encoding.h"

#include "save/encoding/ascii.h"
#include "save/encoding/misread_characters.h"

#include <QStringEncoder>

#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace {

constexpr char fallbackCodeset[] = "CP1252";
constexpr char16_t replacementCharacter = 0xFFFD;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr char utf16Codeset[] = "UTF-16LE";
#else
constexpr char utf16Codeset[] = "UTF-16BE";
#endif

// Which way a converter goes.
enum class Conversion { toCodeset, toText };

// From UTF-16 to the codeset, or back.
class Converter
{
public:
    explicit Converter(const QByteArray &codeset, Conversion way = Conversion::toCodeset)
        : m_handle(way == Conversion::toText ? iconv_open(utf16Codeset, codeset.constData())
                                             : iconv_open(codeset.constData(), utf16Codeset))
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

// Whether the two UTF-16 units are the two halves of one character.
bool formPair(char16_t first, char16_t second)
{
    return QChar::isHighSurrogate(first) && QChar::isLowSurrogate(second);
}

// Whether a surrogate pair starts at from.
bool pairAt(const char16_t *from, const char16_t *end)
{
    return end - from > 1 && formPair(from[0], from[1]);
}

// Whether one of the four UTF-16 units at from, all of them ASCII, is a control character.
bool oneOfFourIsControl(const char16_t *from)
{
    std::uint64_t four;
    std::memcpy(&four, from, sizeof four);
    return ((four - 0x0020002000200020u) & ~four & 0x8000800080008000u) != 0;
}

// Which ASCII a run takes: all of it, or what every codeset writes alike, without the shift
// controls.
enum class AsciiRun { any, sameInEveryCodeset };

// Narrows the ASCII run that starts at from onto the end of out and returns where the run
// ends. Four characters at a time where it can: most of a page is ASCII.
template<AsciiRun run>
const char16_t *appendAsciiRun(QByteArray &out, const char16_t *from, const char16_t *end)
{
    constexpr bool stopAtControls = run == AsciiRun::sameInEveryCodeset;
    const qsizetype start = out.size();
    out.resize(start + (end - from));
    char *destination = out.data() + start;
    for (;;) {
        if constexpr (std::endian::native == std::endian::little) {
            while (end - from >= 4 && fourAreAscii(from)
                   && !(stopAtControls && oneOfFourIsControl(from))) {
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
        if (from == end || *from >= 0x80 || (stopAtControls && isShiftControl(*from)))
            break;
        *destination++ = char(*from++);
    }
    out.resize(destination - out.constData());
    return from;
}

} // namespace

// UTF-8, which holds every character, is written by Qt's encoder, which writes a lone
// surrogate as U+FFFD (its default for input it cannot encode, which a test row checks). On
// the bench row for 10 MiB of accented and Cyrillic letters it saved within 5% of the loop it
// replaced in each of seven runs of both in turn, 71 ms against 74 ms in the quietest (Qt
// 6.4).
//
// Any other codeset goes through iconv, with what each character of the Basic Multilingual
// Plane becomes found the first time the character occurs: the bytes for most, so that a page
// with many non-ASCII characters costs one conversion per distinct character. The table comes
// in blocks of 256 characters, each made when one of its characters first occurs, so an
// encoder costs little to make: a page uses a few blocks, not all 256.
//
// A codeset may keep a state between characters: ISO-2022-JP shifts into a double-byte set
// with an escape sequence and must shift back before ASCII, and glibc's Big5-HKSCS holds a
// letter back to see whether a combining accent follows. Such characters are converted in
// turn by one converter, which is brought back to its first state, writing what that takes,
// before anything else is written.
struct PageEncoder::State
{
    enum Entry : std::uint32_t {
        unknown = 0,
        reference = 1, // the codeset cannot hold it
        throughIconv = 2, // converted each time, in the converter's state
        bytes = 1u << 24, // times the number of bytes (one to three), plus the bytes
    };

    State(const QByteArray &codeset, BeyondAscii beyondAscii)
        : utf8(codeset == "UTF-8" && beyondAscii == BeyondAscii::asTheCodesetHolds)
        , referencesOnly(beyondAscii == BeyondAscii::asReferences)
    {
        if (utf8 || referencesOnly)
            return;
        misread = misreadCharacters(codeset);
        converter.emplace(codeset);
        classifier.emplace(codeset);
        decoder.emplace(codeset, Conversion::toText);
        if (!converter->isOpen() || !classifier->isOpen() || !decoder->isOpen())
            throw std::runtime_error("unknown character set " + codeset.toStdString());
        // A codeset that shifts must leave its first state to write a CJK ideograph.
        shifts = classify(u'\u65E5') == throughIconv;
    }

    Entry classify(char16_t character)
    {
        const iconv_t handle = classifier->handle();
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        char *input = reinterpret_cast<char *>(&character);
        size_t inputLeft = sizeof character;
        char output[16];
        char *outputEnd = output;
        size_t outputLeft = sizeof output;
        if (iconv(handle, &input, &inputLeft, &outputEnd, &outputLeft) == size_t(-1)) {
            const bool refused = errno == EILSEQ && inputLeft == sizeof character;
            return refused && outputEnd == output ? reference : throughIconv;
        }
        // Bytes that stand alone: nothing held back, no shift before them or after them.
        const std::size_t made = std::size_t(outputEnd - output);
        if (inputLeft != 0 || iconv(handle, nullptr, nullptr, &outputEnd, &outputLeft) == size_t(-1)
            || std::size_t(outputEnd - output) != made || made < 1 || made > 3)
            return throughIconv;
        if (!decodesAs(output, made, character))
            return reference;
        std::uint32_t entry = bytes * std::uint32_t(made);
        for (std::size_t i = 0; i < made; ++i)
            entry |= std::uint32_t(std::uint8_t(output[i])) << (8 * i);
        return Entry(entry);
    }

    // Whether the bytes read back as the character, as a browser reads them. glibc's CP932,
    // for one, writes U+00A2 as the bytes of U+FFE0, the full-width cent sign, which is what a
    // browser then shows. And a browser's decoder composes nothing: glibc's CP1255 and CP1258
    // write some letters as a base letter and a combining accent, which glibc reads back as
    // the letter but a browser as the two.
    bool decodesAs(char *bytes, std::size_t size, char16_t character)
    {
        char16_t decoded[2] = {};
        return decode(bytes, size, decoded) == 1 && decoded[0] == character
               && (size == 1 || decode(bytes, 1, decoded) == 0);
    }

    // How many UTF-16 units the bytes decode to, or 0 where they are not whole characters.
    std::size_t decode(char *bytes, std::size_t size, char16_t (&decoded)[2])
    {
        char *output = reinterpret_cast<char *>(decoded);
        size_t outputLeft = sizeof decoded;
        size_t inputLeft = size;
        // glibc's CP1255 and CP1258 hold a letter back to see whether an accent follows.
        const iconv_t handle = decoder->handle();
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        const bool whole = iconv(handle, &bytes, &inputLeft, &output, &outputLeft) != size_t(-1)
                           && inputLeft == 0
                           && iconv(handle, nullptr, nullptr, &output, &outputLeft) != size_t(-1);
        return whole ? (sizeof decoded - outputLeft) / sizeof(char16_t) : 0;
    }

    // Brings the converter back to its first state, writing the shift back or a held letter.
    void endShift()
    {
        if (!shifted)
            return;
        shifted = false;
        char buffer[16];
        char *output = buffer;
        size_t outputLeft = sizeof buffer;
        if (iconv(converter->handle(), nullptr, nullptr, &output, &outputLeft) == size_t(-1))
            throw std::runtime_error("character conversion failed");
        out.append(buffer, output - buffer);
    }

    void writeReference(char32_t codePoint)
    {
        endShift();
        appendReference(out, codePoint);
    }

    // Converts one character, a BMP character or a surrogate pair, in the converter's state.
    // A character iconv cannot hold is written as its reference, and so is one that it drops
    // without a word: glibc skips the Unicode tag characters (U+E0000 to U+E007F) and reports
    // success, which shows as no bytes from the first state.
    void appendConverted(const char16_t *character, qsizetype units)
    {
        if (units == 2) {
            const char32_t codePoint = QChar::surrogateToUcs4(character[0], character[1]);
            if (isMisread(misread, codePoint))
                return writeReference(codePoint);
            endShift();
        }
        char buffer[64]; // a character and the shifts around it
        char *input = const_cast<char *>(reinterpret_cast<const char *>(character));
        size_t inputLeft = size_t(units) * sizeof(char16_t);
        char *output = buffer;
        size_t outputLeft = sizeof buffer;
        const size_t result = iconv(converter->handle(), &input, &inputLeft, &output, &outputLeft);
        if (result != size_t(-1) && inputLeft == 0 && (units == 1 || output != buffer)) {
            out.append(buffer, output - buffer);
            shifted = true;
            return;
        }
        if (result == size_t(-1) && errno != EILSEQ && errno != EINVAL)
            throw std::runtime_error("character conversion failed");
        writeReference(characterAt(QStringView(character, units), 0).codePoint);
    }

    void appendCharacter(char16_t character)
    {
        std::unique_ptr<Block> &block = blocks[character >> 8];
        if (!block)
            block = std::make_unique<Block>(); // every entry unknown
        std::uint32_t &entry = (*block)[character & 0xFF];
        if (entry == unknown) {
            entry = isMisread(misread, character) ? reference : classify(character);
        }
        if (entry >= bytes) {
            endShift();
            const std::uint32_t count = entry / bytes;
            for (std::uint32_t i = 0; i < count; ++i)
                out += char(entry >> (8 * i));
        } else if (entry == reference) {
            writeReference(character);
        } else {
            appendConverted(&character, 1);
        }
    }

    // ASCII in a codeset that shifts, where the shift bytes would be read as escapes.
    void appendShiftingAscii(char16_t character)
    {
        if (character == 0x0E || character == 0x0F || character == 0x1B)
            writeReference(character);
        else
            out += char(character);
    }

    void encode(QStringView text)
    {
        const auto *position = reinterpret_cast<const char16_t *>(text.utf16());
        const char16_t *const end = position + text.size();
        if (utf8) {
            const qsizetype start = out.size();
            out.resize(start + utf8Encoder.requiredSpace(text.size()));
            char *const written = utf8Encoder.appendToBuffer(out.data() + start, text);
            out.resize(written - out.constData());
            return;
        }
        if (referencesOnly) {
            while (position != end) {
                position = appendAsciiRun<AsciiRun::sameInEveryCodeset>(out, position, end);
                if (position != end) {
                    const TextCharacter character = characterAt(QStringView(position, end), 0);
                    appendReference(out, character.codePoint);
                    position += character.units;
                }
            }
            return;
        }
        out.reserve(out.size() + text.size()); // one byte a character, mostly
        while (position != end) {
            if (*position < 0x80) {
                endShift();
                if (shifts)
                    appendShiftingAscii(*position++);
                else
                    position = appendAsciiRun<AsciiRun::any>(out, position, end);
            } else if (pairAt(position, end)) {
                appendConverted(position, 2);
                position += 2;
            } else {
                const char16_t unit = *position++;
                appendCharacter(QChar::isSurrogate(unit) ? replacementCharacter : unit);
            }
        }
    }

    using Block = std::array<std::uint32_t, 256>;

    const bool utf8;
    QStringEncoder utf8Encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    const bool referencesOnly;
    std::optional<Converter> converter;
    std::optional<Converter> classifier; // asked about single characters, apart from the state
    std::optional<Converter> decoder; // reads the classifier's bytes back
    std::span<const CharacterRange> misread; // written as references all the same
    bool shifts = false; // the codeset keeps a state
    bool shifted = false; // the converter may be out of its first state
    std::array<std::unique_ptr<Block>, 256> blocks;
    QByteArray out;
    char16_t pendingHighSurrogate = 0; // the last piece ended in it
};

PageEncoder::PageEncoder(const QByteArray &codeset, BeyondAscii beyondAscii)
    : m_state(std::make_unique<State>(codeset, beyondAscii))
{ }

PageEncoder::~PageEncoder() = default;

void PageEncoder::add(QStringView piece)
{
    if (piece.isEmpty())
        return;
    if (const char16_t high = std::exchange(m_state->pendingHighSurrogate, 0)) {
        const char16_t pair[2] = {high, piece.front().unicode()};
        const bool joins = formPair(pair[0], pair[1]);
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

qsizetype PageEncoder::madeSize() const
{
    return m_state->out.size();
}

void PageEncoder::addReference(char32_t codePoint)
{
    m_state->writeReference(codePoint);
}

qsizetype appendSameInEveryCodeset(QByteArray &out, QStringView piece)
{
    const auto *begin = reinterpret_cast<const char16_t *>(piece.utf16());
    return appendAsciiRun<AsciiRun::sameInEveryCodeset>(out, begin, begin + piece.size()) - begin;
}

QByteArray PageEncoder::finish()
{
    if (const char16_t high = std::exchange(m_state->pendingHighSurrogate, 0))
        m_state->encode(QStringView(&high, 1));
    m_state->endShift();
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
