// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: how an input becomes a text, iconv, and decoding a page back
// into its text, references and all. Every target reads an input alike: its first byte picks
// a codeset, the rest is UTF-16 (little-endian pairs of bytes), so every kind of 16-bit text
// turns up: lone surrogates, U+0000, U+FFFF, pairs for characters above U+FFFF.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iconv.h>
#include <string>
#include <string_view>

[[noreturn]] inline void fail(const char *what, const QString &input, const QByteArray &output)
{
    std::fprintf(stderr, "%s\ninput (UTF-16 units):", what);
    for (const QChar c : input)
        std::fprintf(stderr, " %04X", c.unicode());
    std::fprintf(stderr, "\noutput: %s\n", output.toPercentEncoding().constData());
    std::abort();
}

inline QString inputText(const std::uint8_t *data, std::size_t size)
{
    QString input;
    input.reserve(qsizetype(size / 2));
    for (std::size_t i = 1; i + 1 < size; i += 2)
        input += QChar(char16_t(data[i] | (data[i + 1] << 8)));
    return input;
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

inline void appendCodePoint(QString &text, char32_t codePoint)
{
    if (QChar::requiresSurrogates(codePoint)) {
        text += QChar(QChar::highSurrogate(codePoint));
        text += QChar(QChar::lowSurrogate(codePoint));
    } else {
        text += QChar(char16_t(codePoint));
    }
}

// The text of output in the decoder's codeset, each reference turned back into its character.
inline QString decodePage(const Iconv &decoder, const QByteArray &output, const QString &input)
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

// The text with each lone surrogate as U+FFFD, as the encoder writes it.
inline QString withoutLoneSurrogates(const QString &input)
{
    QString text = input;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar(0xFFFD);
    }
    return text;
}
