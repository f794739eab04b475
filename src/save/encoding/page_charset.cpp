// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/page_charset.h"

#include "save/encoding/ascii.h"

#include <algorithm>
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

using Label = CharsetLabel;

// Every label of the Encoding Standard, in byte order for the binary search.
constexpr Label labels[] = {
        {"866", &ibm866},
        {"ansi_x3.4-1968", &windows1252},
        {"arabic", &iso8859_6},
        {"ascii", &windows1252},
        {"asmo-708", &iso8859_6},
        {"big5", &big5},
        {"big5-hkscs", &big5},
        {"chinese", &gbk},
        {"cn-big5", &big5},
        {"cp1250", &windows1250},
        {"cp1251", &windows1251},
        {"cp1252", &windows1252},
        {"cp1253", &windows1253},
        {"cp1254", &windows1254},
        {"cp1255", &windows1255},
        {"cp1256", &windows1256},
        {"cp1257", &windows1257},
        {"cp1258", &windows1258},
        {"cp819", &windows1252},
        {"cp866", &ibm866},
        {"csbig5", &big5},
        {"cseuckr", &eucKr},
        {"cseucpkdfmtjapanese", &eucJp},
        {"csgb2312", &gbk},
        {"csibm866", &ibm866},
        {"csiso2022jp", &iso2022Jp},
        {"csiso2022kr", &replacement},
        {"csiso58gb231280", &gbk},
        {"csiso88596e", &iso8859_6},
        {"csiso88596i", &iso8859_6},
        {"csiso88598e", &iso8859_8},
        {"csiso88598i", &iso8859_8i},
        {"csisolatin1", &windows1252},
        {"csisolatin2", &iso8859_2},
        {"csisolatin3", &iso8859_3},
        {"csisolatin4", &iso8859_4},
        {"csisolatin5", &windows1254},
        {"csisolatin6", &iso8859_10},
        {"csisolatin9", &iso8859_15},
        {"csisolatinarabic", &iso8859_6},
        {"csisolatincyrillic", &iso8859_5},
        {"csisolatingreek", &iso8859_7},
        {"csisolatinhebrew", &iso8859_8},
        {"cskoi8r", &koi8R},
        {"csksc56011987", &eucKr},
        {"csmacintosh", &macintosh},
        {"csshiftjis", &shiftJis},
        {"csunicode", &utf16le},
        {"cyrillic", &iso8859_5},
        {"dos-874", &windows874},
        {"ecma-114", &iso8859_6},
        {"ecma-118", &iso8859_7},
        {"elot_928", &iso8859_7},
        {"euc-jp", &eucJp},
        {"euc-kr", &eucKr},
        {"gb18030", &gb18030},
        {"gb2312", &gbk},
        {"gb_2312", &gbk},
        {"gb_2312-80", &gbk},
        {"gbk", &gbk},
        {"greek", &iso8859_7},
        {"greek8", &iso8859_7},
        {"hebrew", &iso8859_8},
        {"hz-gb-2312", &replacement},
        {"ibm819", &windows1252},
        {"ibm866", &ibm866},
        {"iso-10646-ucs-2", &utf16le},
        {"iso-2022-cn", &replacement},
        {"iso-2022-cn-ext", &replacement},
        {"iso-2022-jp", &iso2022Jp},
        {"iso-2022-kr", &replacement},
        {"iso-8859-1", &windows1252},
        {"iso-8859-10", &iso8859_10},
        {"iso-8859-11", &windows874},
        {"iso-8859-13", &iso8859_13},
        {"iso-8859-14", &iso8859_14},
        {"iso-8859-15", &iso8859_15},
        {"iso-8859-16", &iso8859_16},
        {"iso-8859-2", &iso8859_2},
        {"iso-8859-3", &iso8859_3},
        {"iso-8859-4", &iso8859_4},
        {"iso-8859-5", &iso8859_5},
        {"iso-8859-6", &iso8859_6},
        {"iso-8859-6-e", &iso8859_6},
        {"iso-8859-6-i", &iso8859_6},
        {"iso-8859-7", &iso8859_7},
        {"iso-8859-8", &iso8859_8},
        {"iso-8859-8-e", &iso8859_8},
        {"iso-8859-8-i", &iso8859_8i},
        {"iso-8859-9", &windows1254},
        {"iso-ir-100", &windows1252},
        {"iso-ir-101", &iso8859_2},
        {"iso-ir-109", &iso8859_3},
        {"iso-ir-110", &iso8859_4},
        {"iso-ir-126", &iso8859_7},
        {"iso-ir-127", &iso8859_6},
        {"iso-ir-138", &iso8859_8},
        {"iso-ir-144", &iso8859_5},
        {"iso-ir-148", &windows1254},
        {"iso-ir-149", &eucKr},
        {"iso-ir-157", &iso8859_10},
        {"iso-ir-58", &gbk},
        {"iso8859-1", &windows1252},
        {"iso8859-10", &iso8859_10},
        {"iso8859-11", &windows874},
        {"iso8859-13", &iso8859_13},
        {"iso8859-14", &iso8859_14},
        {"iso8859-15", &iso8859_15},
        {"iso8859-2", &iso8859_2},
        {"iso8859-3", &iso8859_3},
        {"iso8859-4", &iso8859_4},
        {"iso8859-5", &iso8859_5},
        {"iso8859-6", &iso8859_6},
        {"iso8859-7", &iso8859_7},
        {"iso8859-8", &iso8859_8},
        {"iso8859-9", &windows1254},
        {"iso88591", &windows1252},
        {"iso885910", &iso8859_10},
        {"iso885911", &windows874},
        {"iso885913", &iso8859_13},
        {"iso885914", &iso8859_14},
        {"iso885915", &iso8859_15},
        {"iso88592", &iso8859_2},
        {"iso88593", &iso8859_3},
        {"iso88594", &iso8859_4},
        {"iso88595", &iso8859_5},
        {"iso88596", &iso8859_6},
        {"iso88597", &iso8859_7},
        {"iso88598", &iso8859_8},
        {"iso88599", &windows1254},
        {"iso_8859-1", &windows1252},
        {"iso_8859-15", &iso8859_15},
        {"iso_8859-1:1987", &windows1252},
        {"iso_8859-2", &iso8859_2},
        {"iso_8859-2:1987", &iso8859_2},
        {"iso_8859-3", &iso8859_3},
        {"iso_8859-3:1988", &iso8859_3},
        {"iso_8859-4", &iso8859_4},
        {"iso_8859-4:1988", &iso8859_4},
        {"iso_8859-5", &iso8859_5},
        {"iso_8859-5:1988", &iso8859_5},
        {"iso_8859-6", &iso8859_6},
        {"iso_8859-6:1987", &iso8859_6},
        {"iso_8859-7", &iso8859_7},
        {"iso_8859-7:1987", &iso8859_7},
        {"iso_8859-8", &iso8859_8},
        {"iso_8859-8:1988", &iso8859_8},
        {"iso_8859-9", &windows1254},
        {"iso_8859-9:1989", &windows1254},
        {"koi", &koi8R},
        {"koi8", &koi8R},
        {"koi8-r", &koi8R},
        {"koi8-ru", &koi8U},
        {"koi8-u", &koi8U},
        {"koi8_r", &koi8R},
        {"korean", &eucKr},
        {"ks_c_5601-1987", &eucKr},
        {"ks_c_5601-1989", &eucKr},
        {"ksc5601", &eucKr},
        {"ksc_5601", &eucKr},
        {"l1", &windows1252},
        {"l2", &iso8859_2},
        {"l3", &iso8859_3},
        {"l4", &iso8859_4},
        {"l5", &windows1254},
        {"l6", &iso8859_10},
        {"l9", &iso8859_15},
        {"latin1", &windows1252},
        {"latin2", &iso8859_2},
        {"latin3", &iso8859_3},
        {"latin4", &iso8859_4},
        {"latin5", &windows1254},
        {"latin6", &iso8859_10},
        {"logical", &iso8859_8i},
        {"mac", &macintosh},
        {"macintosh", &macintosh},
        {"ms932", &shiftJis},
        {"ms_kanji", &shiftJis},
        {"replacement", &replacement},
        {"shift-jis", &shiftJis},
        {"shift_jis", &shiftJis},
        {"sjis", &shiftJis},
        {"sun_eu_greek", &iso8859_7},
        {"tis-620", &windows874},
        {"ucs-2", &utf16le},
        {"unicode", &utf16le},
        {"unicode-1-1-utf-8", &utf8},
        {"unicode11utf8", &utf8},
        {"unicode20utf8", &utf8},
        {"unicodefeff", &utf16le},
        {"unicodefffe", &utf16be},
        {"us-ascii", &windows1252},
        {"utf-16", &utf16le},
        {"utf-16be", &utf16be},
        {"utf-16le", &utf16le},
        {"utf-8", &utf8},
        {"utf8", &utf8},
        {"visual", &iso8859_8},
        {"windows-1250", &windows1250},
        {"windows-1251", &windows1251},
        {"windows-1252", &windows1252},
        {"windows-1253", &windows1253},
        {"windows-1254", &windows1254},
        {"windows-1255", &windows1255},
        {"windows-1256", &windows1256},
        {"windows-1257", &windows1257},
        {"windows-1258", &windows1258},
        {"windows-31j", &shiftJis},
        {"windows-874", &windows874},
        {"windows-949", &eucKr},
        {"x-cp1250", &windows1250},
        {"x-cp1251", &windows1251},
        {"x-cp1252", &windows1252},
        {"x-cp1253", &windows1253},
        {"x-cp1254", &windows1254},
        {"x-cp1255", &windows1255},
        {"x-cp1256", &windows1256},
        {"x-cp1257", &windows1257},
        {"x-cp1258", &windows1258},
        {"x-euc-jp", &eucJp},
        {"x-gbk", &gbk},
        {"x-mac-cyrillic", &macCyrillic},
        {"x-mac-roman", &macintosh},
        {"x-mac-ukrainian", &macCyrillic},
        {"x-sjis", &shiftJis},
        {"x-unicode20utf8", &utf8},
        {"x-user-defined", &userDefined},
        {"x-x-big5", &big5},
};
static_assert(std::ranges::is_sorted(labels, {}, &Label::label));

// The labels WebKit knows beyond the standard's, from its codecs' lists (TextCodecICU and
// TextCodecCJK), in lower case and byte order; WebKitGTK 2.50 decoded a page declaring cp936,
// latin8, maccyrillic, euc-tw, x-mac-greek or latin10 in the label's charset.
constexpr Label webKitLabels[] = {
        {"cn-gb", &gbk},
        {"cp936", &gbk},
        {"csgb231280", &gbk},
        {"euc-cn", &gbk},
        {"euc-tw", &eucTw},
        {"gb2312-1980", &gbk},
        {"ibm-1392", &gb18030},
        {"iso8859101992", &iso8859_10},
        {"iso8859141998", &iso8859_14},
        {"iso8859162001", &iso8859_16},
        {"isoceltic", &iso8859_14},
        {"isoir157", &iso8859_10},
        {"isoir199", &iso8859_14},
        {"isoir226", &iso8859_16},
        {"l10", &iso8859_16},
        {"l8", &iso8859_14},
        {"latin10", &iso8859_16},
        {"latin8", &iso8859_14},
        {"mac-cyrillic", &macCyrillic},
        {"macce", &macCentralEurope},
        {"maccentraleurope", &macCentralEurope},
        {"maccy", &macCyrillic},
        {"maccyrillic", &macCyrillic},
        {"macgr", &macGreek},
        {"macroman", &macintosh},
        {"mactr", &macTurkish},
        {"ms936", &gbk},
        {"winarabic", &windows1256},
        {"wincyrillic", &windows1251},
        {"windows-10006", &macGreek},
        {"windows-10007", &macCyrillic},
        {"windows-10029", &macCentralEurope},
        {"windows-10081", &macTurkish},
        {"windows-54936", &gb18030},
        {"windows-936", &gbk},
        {"windows-936-2000", &gbk},
        {"winlatin2", &windows1250},
        {"winturkish", &windows1254},
        {"winvietnamese", &windows1258},
        {"x-euc-cn", &gbk},
        {"x-mac-ce", &macCentralEurope},
        {"x-mac-centraleurroman", &macCentralEurope},
        {"x-mac-greek", &macGreek},
        {"x-mac-turkish", &macTurkish},
        {"x-maccentraleurope", &macCentralEurope},
        {"x-maccyrillic", &macCyrillic},
        {"x-macgreek", &macGreek},
        {"x-macroman", &macintosh},
        {"x-macturkish", &macTurkish},
        {"x-macukraine", &macCyrillic},
        {"x-uhc", &eucKr},
        {"x-windows-949", &eucKr},
};
static_assert(std::ranges::is_sorted(webKitLabels, {}, &Label::label));

constexpr std::size_t longestLabel = 21; // "x-mac-centraleurroman"
constexpr bool fitsTheLongest(std::span<const Label> table)
{
    return std::ranges::all_of(
            table, [](const Label &entry) { return entry.label.size() <= longestLabel; });
}
static_assert(fitsTheLongest(labels) && fitsTheLongest(webKitLabels));

const PageCharset *find(std::span<const Label> table, std::string_view key)
{
    const auto found = std::ranges::lower_bound(table, key, {}, &Label::label);
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
