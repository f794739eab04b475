// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/page_charset.h"

#include "save/encoding/ascii.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace {

// Each encoding with the iconv codeset that writes its bytes. Where glibc has several tables
// for a name, the one chosen is the one browsers decode with: Windows' Shift_JIS (CP932) and
// EUC-KR (CP949), Big5 with the Hong Kong additions, GBK with the euro sign at 0x80.
// ISO-8859-8-I differs from ISO-8859-8 only in the direction text is shown in.
constexpr PageCharset utf8{"UTF-8", "UTF-8"};
constexpr PageCharset ibm866{"IBM866", "IBM866"};
constexpr PageCharset iso8859_2{"ISO-8859-2", "ISO-8859-2"};
constexpr PageCharset iso8859_3{"ISO-8859-3", "ISO-8859-3"};
constexpr PageCharset iso8859_4{"ISO-8859-4", "ISO-8859-4"};
constexpr PageCharset iso8859_5{"ISO-8859-5", "ISO-8859-5"};
constexpr PageCharset iso8859_6{"ISO-8859-6", "ISO-8859-6"};
constexpr PageCharset iso8859_7{"ISO-8859-7", "ISO-8859-7"};
constexpr PageCharset iso8859_8{"ISO-8859-8", "ISO-8859-8"};
constexpr PageCharset iso8859_8i{"ISO-8859-8-I", "ISO-8859-8"};
constexpr PageCharset iso8859_10{"ISO-8859-10", "ISO-8859-10"};
constexpr PageCharset iso8859_13{"ISO-8859-13", "ISO-8859-13"};
constexpr PageCharset iso8859_14{"ISO-8859-14", "ISO-8859-14"};
constexpr PageCharset iso8859_15{"ISO-8859-15", "ISO-8859-15"};
constexpr PageCharset iso8859_16{"ISO-8859-16", "ISO-8859-16"};
constexpr PageCharset koi8R{"KOI8-R", "KOI8-R"};
constexpr PageCharset koi8U{"KOI8-U", "KOI8-U"};
constexpr PageCharset macintosh{"macintosh", "MACINTOSH"};
constexpr PageCharset windows874{"windows-874", "CP874"};
constexpr PageCharset windows1250{"windows-1250", "CP1250"};
constexpr PageCharset windows1251{"windows-1251", "CP1251"};
constexpr PageCharset windows1252{"windows-1252", "CP1252"};
constexpr PageCharset windows1253{"windows-1253", "CP1253"};
constexpr PageCharset windows1254{"windows-1254", "CP1254"};
constexpr PageCharset windows1255{"windows-1255", "CP1255"};
constexpr PageCharset windows1256{"windows-1256", "CP1256"};
constexpr PageCharset windows1257{"windows-1257", "CP1257"};
constexpr PageCharset windows1258{"windows-1258", "CP1258"};
constexpr PageCharset macCyrillic{"x-mac-cyrillic", "MAC-CYRILLIC"};
constexpr PageCharset gbk{"GBK", "GBK"};
constexpr PageCharset gb18030{"gb18030", "GB18030"};
constexpr PageCharset big5{"Big5", "BIG5-HKSCS"};
constexpr PageCharset eucJp{"EUC-JP", "EUC-JP"};
constexpr PageCharset iso2022Jp{"ISO-2022-JP", "ISO-2022-JP"};
constexpr PageCharset shiftJis{"Shift_JIS", "CP932"};
constexpr PageCharset eucKr{"EUC-KR", "CP949"};
// Known to browsers, but never a page's saved encoding: see charsetForMetaLabel().
constexpr PageCharset replacement{"replacement", nullptr};
constexpr PageCharset utf16be{"UTF-16BE", nullptr};
constexpr PageCharset utf16le{"UTF-16LE", nullptr};
constexpr PageCharset userDefined{"x-user-defined", nullptr};
// Known to WebKit alone, and never a page's saved encoding.
constexpr PageCharset eucTw{"EUC-TW", nullptr};
constexpr PageCharset macCentralEurope{"x-mac-centraleurroman", nullptr};
constexpr PageCharset macGreek{"x-mac-greek", nullptr};
constexpr PageCharset macTurkish{"x-mac-turkish", nullptr};

// An encoding's labels, in lower case, a space between two.
struct LabelGroup
{
    const PageCharset *charset;
    std::string_view labels;
};

// Every label of the Encoding Standard, by encoding.
constexpr LabelGroup standardGroups[] = {
        {&utf8, "unicode-1-1-utf-8 unicode11utf8 unicode20utf8 utf-8 utf8 x-unicode20utf8"},
        {&ibm866, "866 cp866 csibm866 ibm866"},
        {&iso8859_2, "csisolatin2 iso-8859-2 iso-ir-101 iso8859-2 iso88592 iso_8859-2 "
                     "iso_8859-2:1987 l2 latin2"},
        {&iso8859_3, "csisolatin3 iso-8859-3 iso-ir-109 iso8859-3 iso88593 iso_8859-3 "
                     "iso_8859-3:1988 l3 latin3"},
        {&iso8859_4, "csisolatin4 iso-8859-4 iso-ir-110 iso8859-4 iso88594 iso_8859-4 "
                     "iso_8859-4:1988 l4 latin4"},
        {&iso8859_5, "csisolatincyrillic cyrillic iso-8859-5 iso-ir-144 iso8859-5 iso88595 "
                     "iso_8859-5 iso_8859-5:1988"},
        {&iso8859_6,
         "arabic asmo-708 csiso88596e csiso88596i csisolatinarabic ecma-114 iso-8859-6 "
         "iso-8859-6-e iso-8859-6-i iso-ir-127 iso8859-6 iso88596 iso_8859-6 iso_8859-6:1987"},
        {&iso8859_7, "csisolatingreek ecma-118 elot_928 greek greek8 iso-8859-7 iso-ir-126 "
                     "iso8859-7 iso88597 iso_8859-7 iso_8859-7:1987 sun_eu_greek"},
        {&iso8859_8, "csiso88598e csisolatinhebrew hebrew iso-8859-8 iso-8859-8-e iso-ir-138 "
                     "iso8859-8 iso88598 iso_8859-8 iso_8859-8:1988 visual"},
        {&iso8859_8i, "csiso88598i iso-8859-8-i logical"},
        {&iso8859_10, "csisolatin6 iso-8859-10 iso-ir-157 iso8859-10 iso885910 l6 latin6"},
        {&iso8859_13, "iso-8859-13 iso8859-13 iso885913"},
        {&iso8859_14, "iso-8859-14 iso8859-14 iso885914"},
        {&iso8859_15, "csisolatin9 iso-8859-15 iso8859-15 iso885915 iso_8859-15 l9"},
        {&iso8859_16, "iso-8859-16"},
        {&koi8R, "cskoi8r koi koi8 koi8-r koi8_r"},
        {&koi8U, "koi8-ru koi8-u"},
        {&macintosh, "csmacintosh mac macintosh x-mac-roman"},
        {&windows874, "dos-874 iso-8859-11 iso8859-11 iso885911 tis-620 windows-874"},
        {&windows1250, "cp1250 windows-1250 x-cp1250"},
        {&windows1251, "cp1251 windows-1251 x-cp1251"},
        {&windows1252,
         "ansi_x3.4-1968 ascii cp1252 cp819 csisolatin1 ibm819 iso-8859-1 iso-ir-100 iso8859-1 "
         "iso88591 iso_8859-1 iso_8859-1:1987 l1 latin1 us-ascii windows-1252 x-cp1252"},
        {&windows1253, "cp1253 windows-1253 x-cp1253"},
        {&windows1254, "cp1254 csisolatin5 iso-8859-9 iso-ir-148 iso8859-9 iso88599 iso_8859-9 "
                       "iso_8859-9:1989 l5 latin5 windows-1254 x-cp1254"},
        {&windows1255, "cp1255 windows-1255 x-cp1255"},
        {&windows1256, "cp1256 windows-1256 x-cp1256"},
        {&windows1257, "cp1257 windows-1257 x-cp1257"},
        {&windows1258, "cp1258 windows-1258 x-cp1258"},
        {&macCyrillic, "x-mac-cyrillic x-mac-ukrainian"},
        {&gbk, "chinese csgb2312 csiso58gb231280 gb2312 gb_2312 gb_2312-80 gbk iso-ir-58 x-gbk"},
        {&gb18030, "gb18030"},
        {&big5, "big5 big5-hkscs cn-big5 csbig5 x-x-big5"},
        {&eucJp, "cseucpkdfmtjapanese euc-jp x-euc-jp"},
        {&iso2022Jp, "csiso2022jp iso-2022-jp"},
        {&shiftJis, "csshiftjis ms932 ms_kanji shift-jis shift_jis sjis windows-31j x-sjis"},
        {&eucKr, "cseuckr csksc56011987 euc-kr iso-ir-149 korean ks_c_5601-1987 ks_c_5601-1989 "
                 "ksc5601 ksc_5601 windows-949"},
        {&replacement,
         "csiso2022kr hz-gb-2312 iso-2022-cn iso-2022-cn-ext iso-2022-kr replacement"},
        {&utf16be, "unicodefffe utf-16be"},
        {&utf16le, "csunicode iso-10646-ucs-2 ucs-2 unicode unicodefeff utf-16 utf-16le"},
        {&userDefined, "x-user-defined"},
};

// The labels WebKit knows beyond the standard's, from its codecs' lists (TextCodecICU and
// TextCodecCJK); WebKitGTK 2.50 decoded a page declaring cp936, latin8, maccyrillic, euc-tw,
// x-mac-greek or latin10 in the label's charset.
constexpr LabelGroup webKitGroups[] = {
        {&iso8859_10, "iso8859101992 isoir157"},
        {&iso8859_14, "iso8859141998 isoceltic isoir199 l8 latin8"},
        {&iso8859_16, "iso8859162001 isoir226 l10 latin10"},
        {&macintosh, "macroman x-macroman"},
        {&windows1250, "winlatin2"},
        {&windows1251, "wincyrillic"},
        {&windows1254, "winturkish"},
        {&windows1256, "winarabic"},
        {&windows1258, "winvietnamese"},
        {&macCyrillic, "mac-cyrillic maccy maccyrillic windows-10007 x-maccyrillic x-macukraine"},
        {&gbk,
         "cn-gb cp936 csgb231280 euc-cn gb2312-1980 ms936 windows-936 windows-936-2000 x-euc-cn"},
        {&gb18030, "ibm-1392 windows-54936"},
        {&eucKr, "x-uhc x-windows-949"},
        {&eucTw, "euc-tw"},
        {&macCentralEurope,
         "macce maccentraleurope windows-10029 x-mac-ce x-mac-centraleurroman x-maccentraleurope"},
        {&macGreek, "macgr windows-10006 x-mac-greek x-macgreek"},
        {&macTurkish, "mactr windows-10081 x-mac-turkish x-macturkish"},
};

template<typename Each>
constexpr void forEachLabel(std::span<const LabelGroup> groups, Each each)
{
    for (const LabelGroup &group : groups) {
        for (std::string_view rest = group.labels; !rest.empty();) {
            const std::size_t end = std::min(rest.find(' '), rest.size());
            each(CharsetLabel{rest.substr(0, end), group.charset});
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
    }
}

constexpr std::size_t labelCount(std::span<const LabelGroup> groups)
{
    std::size_t count = 0;
    forEachLabel(groups, [&count](const CharsetLabel &) { ++count; });
    return count;
}

// The groups' labels in byte order, for the binary search.
template<std::size_t count>
constexpr std::array<CharsetLabel, count> sortedLabels(std::span<const LabelGroup> groups)
{
    std::array<CharsetLabel, count> labels{};
    std::size_t filled = 0;
    forEachLabel(groups, [&](const CharsetLabel &label) { labels[filled++] = label; });
    std::ranges::sort(labels, {}, &CharsetLabel::label);
    return labels;
}

constexpr auto labels = sortedLabels<labelCount(standardGroups)>(standardGroups);
constexpr auto webKitLabels = sortedLabels<labelCount(webKitGroups)>(webKitGroups);

constexpr std::size_t longestLabel = 21; // "x-mac-centraleurroman"
constexpr bool fitsTheLongest(std::span<const CharsetLabel> table)
{
    return std::ranges::all_of(
            table, [](const CharsetLabel &entry) { return entry.label.size() <= longestLabel; });
}
static_assert(fitsTheLongest(labels) && fitsTheLongest(webKitLabels));

const PageCharset *find(std::span<const CharsetLabel> table, std::string_view key)
{
    const auto found = std::ranges::lower_bound(table, key, {}, &CharsetLabel::label);
    return found == table.end() || found->label != key ? nullptr : found->charset;
}

} // namespace

std::span<const CharsetLabel> webKitOnlyLabels()
{
    return webKitLabels;
}

const PageCharset *charsetForLabel(QStringView label, std::span<const CharsetLabel> moreLabels)
{
    while (!label.isEmpty() && isAsciiWhitespace(label.front().unicode()))
        label = label.sliced(1);
    while (!label.isEmpty() && isAsciiWhitespace(label.back().unicode()))
        label.chop(1);
    if (label.size() > qsizetype(longestLabel))
        return nullptr;
    char lowered[longestLabel];
    for (qsizetype i = 0; i < label.size(); ++i) {
        const char16_t character = label[i].unicode();
        if (character >= 0x80)
            return nullptr; // every label is ASCII
        lowered[i] = char(asciiLower(character));
    }
    const std::string_view key(lowered, std::size_t(label.size()));
    const PageCharset *charset = find(labels, key);
    if (!charset)
        charset = find(moreLabels, key);
    return charset == &replacement ? nullptr : charset;
}

const PageCharset *charsetForMetaLabel(QStringView label, std::span<const CharsetLabel> moreLabels)
{
    const PageCharset *charset = charsetForLabel(label, moreLabels);
    if (charset == &utf16be || charset == &utf16le)
        return &utf8;
    if (charset == &userDefined)
        return &windows1252;
    return charset;
}
