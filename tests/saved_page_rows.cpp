// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_page_rows.h"

using namespace Qt::StringLiterals;

QList<SavedPageRow> savedPageRows()
{
    const QString far(1100, u'x'); // past the first 1024 bytes
    const QString life = u"\u0416\u0438\u0437\u043d\u044c"_s; // Russian
    const QByteArray lifeReferences = "&#1046;&#1080;&#1079;&#1085;&#1100;"_ba;
    // Where the engines' readings would part, every character beyond ASCII is a reference.
    return {
            {"a <meta> in a script that only the prescan reads",
             u"<script>s='"_s + QString(300, u'\u00e9')
                     + u"<meta charset=koi8-r>'</script><meta charset=utf-8>\u0416"_s,
             "<script>s='"_ba + "\xc3\xa9"_ba.repeated(300)
                     + "<meta charset=koi8-r>'</script><meta charset=utf-8>\xd0\x96"_ba},
            {"ISO-2022-JP, escape and shift out typed before any Japanese",
             u"<meta charset=iso-2022-jp>\x1b$Ba\x0e\u65e5"_s,
             "<meta charset=iso-2022-jp>&#27;$Ba&#14;\x1b$BF|\x1b(B"_ba},
            {"windows-1251 letters that are the bytes of a UTF-8 BOM",
             u"\u043f\u00bb\u0457<meta charset=windows-1251>\u0416"_s,
             "&#1087;\xbb\xbf<meta charset=windows-1251>\xc6"_ba},
            {"windows-1252 letters that are the bytes of a UTF-16LE BOM",
             u"\u00ff\u00fe<meta charset=windows-1252>\u00e9"_s,
             "&#255;\xfe<meta charset=windows-1252>\xe9"_ba},
            {"XML declaration alone", u"<?xml version=\"1.0\" encoding=\"utf-8\"?><html>\u00e9"_s,
             "<?xml version=\"1.0\" encoding=\"utf-8\"?><html>\xc3\xa9"_ba},
            {"EUC-JP wave dash, double vertical line, minus sign",
             u"<meta charset=euc-jp>10:00\u301c18:00\u2016\u2212\u65e5"_s,
             "<meta charset=euc-jp>10:00&#12316;18:00&#8214;&#8722;\xc6\xfc"_ba},
            {"ISO-2022-JP wave dash", u"<meta charset=iso-2022-jp>10:00\u301c18:00"_s,
             "<meta charset=iso-2022-jp>10:00&#12316;18:00"_ba},
            {"Big5 tilde operator", u"<meta charset=big5>\u223c\u65e5"_s,
             "<meta charset=big5>&#8764;\xa4\xe9"_ba},
            {"<meta> in a script, which every engine skips",
             u"<script>'<meta charset=koi8-r>'</script><meta charset=windows-1251>\u0416"_s,
             "<script>'<meta charset=koi8-r>'</script><meta charset=windows-1251>\xc6"_ba},
            {"<meta> in a title, which every engine skips",
             u"<title><meta charset=koi8-r></title><meta charset=windows-1251>\u0416"_s,
             "<title><meta charset=koi8-r></title><meta charset=windows-1251>\xc6"_ba},
            {"two charset attributes", u"<meta charset=koi8-r charset=windows-1251>\u0416"_s,
             "<meta charset=koi8-r charset=windows-1251>&#1046;"_ba},
            {"declared only in the body, past 1024 bytes",
             u"<body><p>"_s + far + u"<p><meta charset=iso-8859-15>\u20ac"_s,
             "<body><p>"_ba + far.toLatin1() + "<p><meta charset=iso-8859-15>&#8364;"_ba},
            {"windows-1258 letters glibc writes decomposed",
             u"<meta charset=windows-1258>\u1ebf \u1ec7 \u1ea5 \u1ed9 \u00e2"_s,
             "<meta charset=windows-1258>&#7871; &#7879; &#7845; &#7897; \xe2"_ba},
            {"windows-1255 presentation form glibc writes decomposed",
             u"<meta charset=windows-1255>\ufb2a\u05d0"_s,
             "<meta charset=windows-1255>&#64298;\xe0"_ba},
            {"<meta> past 1024 bytes of the body",
             u"<body>"_s + far + u"<meta charset=koi8-r>"_s + life,
             "<body>"_ba + far.toLatin1() + "<meta charset=koi8-r>"_ba + lifeReferences},
            {"a decoy in a script and two charset attributes",
             u"<script>/* <meta charset=\"windows-1251\"> */</script>"
             u"<meta charset=\"koi8-r\" charset=\"windows-1251\">"_s
                     + life,
             "<script>/* <meta charset=\"windows-1251\"> */</script>"
             "<meta charset=\"koi8-r\" charset=\"windows-1251\">"_ba
                     + lifeReferences},
            {"a label WebKit alone knows", u"<meta charset=\"cp936\">Gr\u00fc\u00dfe"_s,
             "<meta charset=\"cp936\">Gr&#252;&#223;e"_ba},
            {"XHTML, which WebKitGTK reads as XML",
             u"<html xmlns=\"http://www.w3.org/1999/xhtml\"><head>"
             u"<meta charset=\"windows-1251\"/></head><body>"_s
                     + life + u"</body></html>"_s,
             "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head>"
             "<meta charset=\"windows-1251\"/></head><body>"_ba
                     + lifeReferences + "</body></html>"_ba},
            {"XML declaration with spaces inside the quotes",
             u"<?xml version=\"1.0\" encoding=\" shift_jis \"?><html>\u65e5\u672c</html>"_s,
             "<?xml version=\"1.0\" encoding=\" shift_jis \"?><html>&#26085;&#26412;</html>"_ba},
            {"Cyrillic in the title, the <meta> past 1024 bytes of the head",
             u"<html><head><title>"_s + life + u"</title><!--"_s + far
                     + u"--><meta charset=windows-1251></head><body>"_s + life,
             "<html><head><title>"_ba + lifeReferences + "</title><!--"_ba + far.toLatin1()
                     + "--><meta charset=windows-1251></head><body>"_ba + lifeReferences},
            {"a comment holding > before the <meta>",
             u"<!-- a > b <meta charset=koi8-r> --><meta charset=windows-1251>"_s + life,
             "<!-- a > b <meta charset=koi8-r> --><meta charset=windows-1251>\xc6\xe8\xe7\xed\xfc"_ba},
            {"a lone surrogate where every character is a reference",
             u"<meta charset=koi8-r charset=windows-1251>\u0416"_s + QChar(0xD800),
             "<meta charset=koi8-r charset=windows-1251>&#1046;&#65533;"_ba},
            {"a long page that mentions <meta> and declares nothing",
             u"<meta name=viewport content=width=device-width>"_s + far + u"\u00e9"_s,
             "<meta name=viewport content=width=device-width>"_ba + far.toLatin1() + "\xe9"_ba},
    };
}
