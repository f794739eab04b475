// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_page.h"

namespace ReferencePage {

int windows1252Byte(char32_t codePoint)
{
    // Bytes 0x80 to 0x9F; a zero marks the five bytes the code page leaves undefined.
    static constexpr char16_t upperControls[32] = {
            0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0, // 0x88
            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, // 0x98
    };
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (upperControls[i] != 0 && upperControls[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        const bool pairStarts = codePoint >= 0xD800 && codePoint <= 0xDBFF && i + 1 < text.size()
                                && text[i + 1].unicode() >= 0xDC00
                                && text[i + 1].unicode() <= 0xDFFF;
        if (pairStarts) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[i + 1].unicode() - 0xDC00);
            ++i;
        } else if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            codePoint = 0xFFFD;
        }
        const int byte = windows1252Byte(codePoint);
        if (byte >= 0)
            bytes += char(byte);
        else
            bytes += "&#" + QByteArray::number(uint(codePoint)) + ';';
    }
    return bytes;
}

} // namespace ReferencePage
