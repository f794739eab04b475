#include "save/page_encoding.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <langinfo.h>
#include <stdexcept>

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

bool isAscii(QChar character)
{
    return character.unicode() < 0x80;
}

void appendReference(QByteArray &out, char32_t codePoint)
{
    out += "&#";
    out += QByteArray::number(uint(codePoint));
    out += ';';
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

// Converts a run of non-ASCII characters; iconv stops at each character the codeset cannot
// hold, which is then written as its reference.
void appendConverted(QByteArray &out, QStringView run, iconv_t converter)
{
    QByteArray buffer(run.size(), Qt::Uninitialized); // single-byte output never outgrows the input
    qsizetype position = 0;
    while (position < run.size()) {
        char *input = const_cast<char *>(reinterpret_cast<const char *>(run.utf16() + position));
        size_t inputLeft = size_t(run.size() - position) * sizeof(char16_t);
        char *output = buffer.data();
        size_t outputLeft = size_t(buffer.size());
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        const size_t result = iconv(converter, &input, &inputLeft, &output, &outputLeft);
        const int error = errno;
        out.append(buffer.constData(), output - buffer.constData());
        position = run.size() - qsizetype(inputLeft / sizeof(char16_t));
        if (result != size_t(-1))
            break;
        if (error != EILSEQ && error != EINVAL)
            throw std::runtime_error("character conversion failed");
        const auto [codePoint, units] = codePointAt(run, position);
        appendReference(out, codePoint);
        position += units;
    }
}

} // namespace

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
    const Converter converter(codeset);
    if (!converter.isOpen())
        throw std::runtime_error("unknown character set " + codeset.toStdString());

    QByteArray out;
    out.reserve(text.size());
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype asciiStart = position;
        while (position < text.size() && isAscii(text.at(position)))
            ++position;
        const qsizetype asciiLength = position - asciiStart;
        const qsizetype outStart = out.size();
        out.resize(outStart + asciiLength);
        char *destination = out.data() + outStart;
        for (qsizetype i = 0; i < asciiLength; ++i)
            destination[i] = char(text.at(asciiStart + i).unicode());

        const qsizetype otherStart = position;
        while (position < text.size() && !isAscii(text.at(position)))
            ++position;
        if (position > otherStart)
            appendConverted(out, text.sliced(otherStart, position - otherStart),
                            converter.handle());
    }
    return out;
}
