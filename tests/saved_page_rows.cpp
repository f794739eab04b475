// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_page_rows.h"

using namespace Qt::StringLiterals;

QList<SavedPageRow> savedPageRows()
{
    const QString far(1100, u'x'); // past the first 1024 bytes
    // Where the browsers' readings would part, every character beyond ASCII is a reference.
    return {
            {"references push the prescan's <meta> past 1024 bytes",
             u"<script>s='"_s + QString(300, u'\u00e9')
                     + u"<meta charset=koi8-r>'</script><meta charset=utf-8>\u0416"_s,
             "<script>s='"_ba + "&#233;"_ba.repeated(300)
                     + "<meta charset=koi8-r>'</script><meta charset=utf-8>&#1046;"_ba},
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
            {"<meta> in a script that Blink skips",
             u"<script>'<meta charset=koi8-r>'</script><meta charset=windows-1251>\u0416"_s,
             "<script>'<meta charset=koi8-r>'</script><meta charset=windows-1251>&#1046;"_ba},
            {"<meta> in a title that Blink skips",
             u"<title><meta charset=koi8-r></title><meta charset=windows-1251>\u0416"_s,
             "<title><meta charset=koi8-r></title><meta charset=windows-1251>&#1046;"_ba},
            {"two charset attributes", u"<meta charset=koi8-r charset=windows-1251>\u0416"_s,
             "<meta charset=koi8-r charset=windows-1251>&#1046;"_ba},
            {"declared only in the body, past 1024 bytes",
             u"<body><p>"_s + far + u"<p><meta charset=iso-8859-15>\u20ac"_s,
             "<body><p>"_ba + far.toLatin1() + "<p><meta charset=iso-8859-15>&#8364;"_ba},
    };
}
