// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_text.h"

#include <cstdint>

namespace {

// A small fixed-seed generator, so that every run measures the same text.
class Sequence
{
public:
    unsigned next(unsigned bound)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return unsigned(m_state % bound);
    }

private:
    std::uint64_t m_state = 0x9E3779B97F4A7C15u;
};

} // namespace

QString sampleText(qsizetype characters, bool withOtherCharacters)
{
    Sequence sequence;
    QString text(characters, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype lineLength = 0;
    qsizetype wordLeft = 1 + sequence.next(9);
    bool otherDue = false; // one in a hundred, moved past a line break or space if it falls on one
    for (qsizetype i = 0; i < characters; ++i) {
        otherDue = otherDue || (withOtherCharacters && i % 100 == 50);
        char16_t character;
        if (lineLength >= 55 + qsizetype(sequence.next(10)) || i + 1 == characters) {
            character = u'\n';
            lineLength = 0;
        } else if (wordLeft == 0) {
            character = u' ';
            wordLeft = 1 + sequence.next(9);
            ++lineLength;
        } else if (otherDue) {
            character = char16_t(0x4E00 + sequence.next(0x5000));
            otherDue = false;
            --wordLeft;
            ++lineLength;
        } else {
            character = char16_t(u'a' + sequence.next(26));
            --wordLeft;
            ++lineLength;
        }
        out[i] = character;
    }
    return text;
}

QString utf8LettersPage(qsizetype characters)
{
    static const QString latin = QStringLiteral("abcdefghijklmnopqrstuvwxyz\u00e9\u00e8\u00e0"
                                                "\u00e7\u00f6\u00fc\u00df\u00f1");
    static const QString cyrillic = QStringLiteral(
            "\u0430\u0431\u0432\u0433\u0434\u0435\u0436\u0437\u0438\u0439\u043a\u043b"
            "\u043c\u043d\u043e\u043f\u0440\u0441\u0442\u0443\u0444\u0445\u0446\u0447"
            "\u0448\u0449\u044b\u044c\u044d\u044e\u044f");
    const QString declaration = QStringLiteral("<meta charset=\"utf-8\">\n");
    Sequence sequence;
    QString text = declaration;
    text.reserve(characters);
    const QString *alphabet = &latin;
    qsizetype lineLength = 0;
    while (text.size() < characters) {
        if (text.size() + 1 == characters || lineLength >= 55 + qsizetype(sequence.next(10))) {
            text += u'\n';
            lineLength = 0;
            continue;
        }
        alphabet = sequence.next(2) ? &latin : &cyrillic;
        for (qsizetype letters = 1 + sequence.next(9); letters > 0 && text.size() + 1 < characters;
             --letters, ++lineLength)
            text += alphabet->at(sequence.next(unsigned(alphabet->size())));
        if (text.size() + 1 < characters) {
            text += u' ';
            ++lineLength;
        }
    }
    return text;
}

QString oneLineText(qsizetype characters)
{
    QString text = sampleText(characters);
    text.replace(u'\n', u' ');
    return text;
}
