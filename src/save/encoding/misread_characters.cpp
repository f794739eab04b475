// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/misread_characters.h"

#include <algorithm>

namespace {

// glibc's tables for these codesets are older than the Encoding Standard's, or differ from
// them. Every codeset a page is saved in, 8-bit and multi-byte, was checked character for
// character with tools/scan-browser-tables: each character glibc writes, read by the
// TextDecoder of Chromium 156.0.8078.129, Firefox 153.8.0esr and WebKitGTK 2.50.6 (Debian 12's
// packages), with the glibc of Debian 12, 2.36, and of Debian 13, 2.41, which differ in
// GB18030 alone. The three engines read every codeset alike, but for WebKitGTK's ISO-8859-16,
// which reads nothing at all, whatever the bytes. What they read otherwise is listed here, or
// caught by the encoder's own check: a character glibc itself reads back as another, or
// writes as a letter and a combining accent (CP1255, CP1258), which every engine shows as two.
constexpr CharacterRange koi8U[] = {
        {0x255D, 0x255D}, {0x256C, 0x256C}, // ╝ ╬ at 0xAE and 0xBE, read as ў Ў
};
constexpr CharacterRange macCyrillic[] = {
        {0x00A4, 0x00A4}, // ¤ at 0xFF, read as €
};
constexpr CharacterRange macintosh[] = {
        {0x0394, 0x0394}, {0xE01E, 0xE01E}, // Δ at 0xC6, a private character at 0xF0: ∆ U+F8FF
};
// The JIS sets: C1 controls as single bytes browsers refuse; ¢ £ ¬ ‖ − 〜 read as their
// full-width or other forms (￠ ￡ ￢ ∥ － ～); ¥ ‾ as the ASCII bytes \ ~ that they are.
constexpr CharacterRange eucJp[] = {
        {0x0080, 0x008D}, {0x0090, 0x009F}, {0x00A2, 0x00A3}, {0x00A5, 0x00A5}, {0x00AC, 0x00AC},
        {0x2016, 0x2016}, {0x203E, 0x203E}, {0x2212, 0x2212}, {0x301C, 0x301C},
};
constexpr CharacterRange iso2022Jp[] = {
        {0x00A2, 0x00A3}, {0x00AC, 0x00AC}, {0x2016, 0x2016}, {0x2212, 0x2212}, {0x301C, 0x301C},
};
// And — read as ―.
constexpr CharacterRange shiftJis[] = {
        {0x00A2, 0x00A3}, {0x00A5, 0x00A5}, {0x00AC, 0x00AC}, {0x2014, 0x2014},
        {0x2016, 0x2016}, {0x203E, 0x203E}, {0x2212, 0x2212}, {0x301C, 0x301C},
};
// U+0080 refused; ¢ £ ¥ • ‾ ∼ ☉ ♁ ／ ＼ ､ read as ￠ ￡ ￥ ‧ ¯ ～ ⊙ ⊕ ∕ ﹨ ﹑.
constexpr CharacterRange big5[] = {
        {0x0080, 0x0080}, {0x00A2, 0x00A3}, {0x00A5, 0x00A5}, {0x2022, 0x2022},
        {0x203E, 0x203E}, {0x223C, 0x223C}, {0x2609, 0x2609}, {0x2641, 0x2641},
        {0xFF0F, 0xFF0F}, {0xFF3C, 0xFF3C}, {0xFF64, 0xFF64},
};
// Where GB18030-2022 moved characters out of the private use area. glibc 2.36 writes six
// ideographs of plane 2 as the bytes browsers read as private characters; 2.41 writes the
// private characters U+E78D to U+E796 and eight from U+E81E on as the bytes of the vertical
// forms (U+FE10 on) and of ideographs (U+9FB4 on). Both write U+E5E5 as U+3000's bytes.
constexpr CharacterRange gb18030[] = {
        {0xE5E5, 0xE5E5},   {0xE78D, 0xE796},   {0xE81E, 0xE81E},   {0xE826, 0xE826},
        {0xE82B, 0xE82C},   {0xE832, 0xE832},   {0xE843, 0xE843},   {0xE854, 0xE854},
        {0xE864, 0xE864},   {0x20087, 0x20087}, {0x20089, 0x20089}, {0x200CC, 0x200CC},
        {0x215D7, 0x215D7}, {0x2298F, 0x2298F}, {0x241FE, 0x241FE},
};

} // namespace

std::span<const CharacterRange> misreadCharacters(const QByteArray &codeset)
{
    if (codeset == "KOI8-U")
        return koi8U;
    if (codeset == "MAC-CYRILLIC")
        return macCyrillic;
    if (codeset == "MACINTOSH")
        return macintosh;
    if (codeset == "EUC-JP")
        return eucJp;
    if (codeset == "ISO-2022-JP")
        return iso2022Jp;
    if (codeset == "CP932")
        return shiftJis;
    if (codeset == "BIG5-HKSCS")
        return big5;
    if (codeset == "GB18030")
        return gb18030;
    return {};
}

bool isMisread(std::span<const CharacterRange> misread, char32_t character)
{
    return std::ranges::any_of(misread, [character](const CharacterRange &range) {
        return range.first <= character && character <= range.last;
    });
}
