// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_bytes.h"
#include "save/encoding/page_charset.h"
#include "save/encoding/page_encoding.h"
#include "save/encoding/page_readings.h"
#include "save/encoding/saved_page.h"
#include "saved_page_rows.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_PageEncoding : public QObject
{
    Q_OBJECT

private slots:
    void encodesAsTheCodePageHoldsIt_data();
    void encodesAsTheCodePageHoldsIt();
    void everyAsciiCharacterIsItsOwnByte();
    void longTextWithScatteredReferences();
    void codesetFollowsTheLocale_data();
    void codesetFollowsTheLocale();
    void labelNamesEncoding_data();
    void labelNamesEncoding();
    void everyEncodingCanBeWritten();
    void findsTheDeclaration_data();
    void findsTheDeclaration();
    void savedBytesReadAsTyped_data();
    void savedBytesReadAsTyped();
};

namespace {

QByteArray nameOf(const PageCharset *charset)
{
    return charset ? QByteArray(charset->name) : QByteArray();
}

} // namespace

void tst_PageEncoding::encodesAsTheCodePageHoldsIt_data()
{
    QTest::addColumn<QByteArray>("codeset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << "CP1252"_ba << QString() << QByteArray();
    QTest::newRow("plain ASCII, no BOM, nothing appended") << "CP1252"_ba << u"abc"_s << "abc"_ba;
    QTest::newRow("CR LF kept") << "CP1252"_ba << u"a\r\nb\r\n"_s << "a\r\nb\r\n"_ba;
    QTest::newRow("ampersand as typed") << "CP1252"_ba << u"&amp; & &#1;"_s << "&amp; & &#1;"_ba;
    QTest::newRow("NUL") << "CP1252"_ba << QString(QChar(0)) << QByteArray(1, '\0');
    QTest::newRow("no-break space") << "CP1252"_ba << u"a\u00a0b"_s
                                    << "a\xa0"
                                       "b"_ba;
    QTest::newRow("windows-1252 letters")
            << "CP1252"_ba << u"\u00e9\u20ac\u0153\u2019"_s << "\xe9\x80\x9c\x92"_ba;
    QTest::newRow("ISO-8859-15 euro") << "ISO-8859-15"_ba << u"\u20ac\u00e9"_s << "\xa4\xe9"_ba;
    QTest::newRow("ISO-8859-1 has no euro")
            << "ISO-8859-1"_ba << u"\u20ac\u00e9"_s << "&#8364;\xe9"_ba;
    QTest::newRow("CP1258, a letter its decoder holds back")
            << "CP1258"_ba << u"\u00e2"_s << "\xe2"_ba;
    QTest::newRow("KOI8-R Cyrillic") << "KOI8-R"_ba << u"\u0416\u00e9"_s << "\xf6&#233;"_ba;
    QTest::newRow("CJK, one reference each")
            << "CP1252"_ba << u"\u65e5\u672c"_s << "&#26085;&#26412;"_ba;
    QTest::newRow("beyond the BMP, one reference")
            << "CP1252"_ba << u"a\U0001F600b"_s << "a&#128512;b"_ba;
    QTest::newRow("lone high surrogate")
            << "CP1252"_ba << u"a"_s + QChar(0xD800) + u"b"_s << "a&#65533;b"_ba;
    QTest::newRow("lone low surrogate")
            << "CP1252"_ba << u"a"_s + QChar(0xDC00) + u"\u00e9"_s << "a&#65533;\xe9"_ba;
    QTest::newRow("high surrogate at the end")
            << "CP1252"_ba << u"\u00e9"_s + QChar(0xDBFF) << "\xe9&#65533;"_ba;
    QTest::newRow("two high surrogates then a pair")
            << "CP1252"_ba << QString(QChar(0xD83D)) + QChar(0xD83D) + QChar(0xDE00)
            << "&#65533;&#128512;"_ba;
    QTest::newRow("tag character, which iconv drops unasked")
            << "CP1252"_ba << u"a\U000E0041b"_s << "a&#917569;b"_ba;
    QTest::newRow("U+FFFD and U+FFFF") << "CP1252"_ba << u"\ufffd\uffff"_s << "&#65533;&#65535;"_ba;
    QTest::newRow("C1 control not in windows-1252") << "CP1252"_ba << u"\u0081"_s << "&#129;"_ba;
    QTest::newRow("UTF-8, one to four bytes") << "UTF-8"_ba << u"a\u00e9\u20ac\U0001F600"_s
                                              << "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80"_ba;
    QTest::newRow("UTF-8, lone surrogates as U+FFFD")
            << "UTF-8"_ba << QString(QChar(0xDC00)) + u"b"_s + QChar(0xD800)
            << "\xef\xbf\xbd"
               "b\xef\xbf\xbd"_ba;
    QTest::newRow("Shift_JIS, euro and cent (not full-width) as references")
            << "CP932"_ba << u"\u65e5\u672c\u20ac\u00a2"_s << "\x93\xfa\x96\x7b&#8364;&#162;"_ba;
    QTest::newRow("GB18030, four bytes")
            << "GB18030"_ba << u"\u20ac\U0001F600"_s << "\xa2\xe3\x94\x39\xfc\x36"_ba;
    QTest::newRow("EUC-KR") << "CP949"_ba << u"\ud55c\u00e9"_s << "\xc7\xd1&#233;"_ba;
    QTest::newRow("Big5-HKSCS, a letter held back, then written")
            << "BIG5-HKSCS"_ba << u"\u00ca\u0304\u00ca\u65e5\u00ca"_s
            << "\x88\x66&#772;\x88\x66\xa4\xe9\x88\x66"_ba;
    QTest::newRow("ISO-2022-JP, back to ASCII for text, references and the end")
            << "ISO-2022-JP"_ba << u"\u65e5a\u672c\u20ac\u65e5\x1b"_s
            << "\x1b$BF|\x1b(Ba\x1b$BK\\\x1b(B&#8364;\x1b$BF|\x1b(B&#27;"_ba;
    // glibc has bytes for these that browsers read as other characters.
    QTest::newRow("KOI8-U box drawings browsers read as letters")
            << "KOI8-U"_ba << u"\u255d\u256c\u0454"_s << "&#9565;&#9580;\xa4"_ba;
    QTest::newRow("EUC-JP cent, pound and not sign, read full-width")
            << "EUC-JP"_ba << u"\u00a2\u00a3\u00ac\u65e5"_s << "&#162;&#163;&#172;\xc6\xfc"_ba;
    QTest::newRow("ISO-2022-JP cent after an ideograph")
            << "ISO-2022-JP"_ba << u"\u65e5\u00a2"_s << "\x1b$BF|\x1b(B&#162;"_ba;
    // glibc writes these as the bytes of other characters, which all three engines then show.
    QTest::newRow("CP1258 tone mark and letters glibc writes as other characters")
            << "CP1258"_ba << u"\u0340\u1e4c\u1fee\u00e0"_s << "&#832;&#7756;&#8174;\xe0"_ba;
    // U+E5E5 as U+3000's bytes in glibc 2.36 and 2.41; U+20087 as a private character's in
    // 2.36; U+E78D as a vertical form's in 2.41.
    QTest::newRow("GB18030 characters glibc writes as other characters' bytes")
            << "GB18030"_ba << u"\ue5e5\U00020087\ue78d"_s << "&#58853;&#131207;&#59277;"_ba;
}

void tst_PageEncoding::encodesAsTheCodePageHoldsIt()
{
    QFETCH(QByteArray, codeset);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encoded(text, codeset), bytes);
}

void tst_PageEncoding::everyAsciiCharacterIsItsOwnByte()
{
    QString text;
    QByteArray bytes;
    for (char16_t character = 0; character < 0x80; ++character) {
        text += QChar(character);
        bytes += char(character);
    }
    for (const QByteArray &codeset : {"CP1252"_ba, "ISO-8859-15"_ba, "KOI8-R"_ba})
        QCOMPARE(encoded(text, codeset), bytes);
}

void tst_PageEncoding::longTextWithScatteredReferences()
{
    // Runs of ASCII and of other characters alternate many times over a long text.
    QString text;
    QByteArray bytes;
    for (int i = 0; i < 20000; ++i) {
        text += u"line \u00e9\u65e5\r\n"_s;
        bytes += "line \xe9&#26085;\r\n"_ba;
    }
    QCOMPARE(encoded(text, "CP1252"), bytes);
}

void tst_PageEncoding::codesetFollowsTheLocale_data()
{
    QTest::addColumn<QByteArray>("localeCodeset");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QByteArray>("chosen");
    QTest::newRow("UTF-8") << "UTF-8"_ba << 6 << "CP1252"_ba;
    QTest::newRow("C locale") << "ANSI_X3.4-1968"_ba << 1 << "CP1252"_ba;
    QTest::newRow("ISO-8859-15") << "ISO-8859-15"_ba << 1 << "ISO-8859-15"_ba;
    QTest::newRow("CP1251") << "CP1251"_ba << 1 << "CP1251"_ba;
    QTest::newRow("GBK, two bytes a character") << "GBK"_ba << 2 << "CP1252"_ba;
    QTest::newRow("unknown to iconv") << "NO-SUCH-SET"_ba << 1 << "CP1252"_ba;
    QTest::newRow("empty") << QByteArray() << 1 << "CP1252"_ba;
}

void tst_PageEncoding::codesetFollowsTheLocale()
{
    QFETCH(QByteArray, localeCodeset);
    QFETCH(int, maxBytes);
    QFETCH(QByteArray, chosen);
    QCOMPARE(chooseCodeset(localeCodeset, maxBytes), chosen);
}

void tst_PageEncoding::labelNamesEncoding_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("utf8") << u"utf8"_s << "UTF-8"_ba;
    QTest::newRow("trimmed, any case") << u" \tLatin1\r\n"_s << "windows-1252"_ba;
    QTest::newRow("us-ascii") << u"US-ASCII"_s << "windows-1252"_ba;
    QTest::newRow("first label") << u"866"_s << "IBM866"_ba;
    QTest::newRow("last label") << u"x-x-big5"_s << "Big5"_ba;
    QTest::newRow("gb2312") << u"gb2312"_s << "GBK"_ba;
    QTest::newRow("replacement") << u"hz-gb-2312"_s << QByteArray();
    QTest::newRow("inner space") << u"utf -8"_s << QByteArray();
    QTest::newRow("non-ASCII letter") << u"utf\u20138"_s << QByteArray();
    QTest::newRow("longer than any") << u"unicode-1-1-utf-8-and-more"_s << QByteArray();
    QTest::newRow("empty") << QString() << QByteArray();
}

void tst_PageEncoding::labelNamesEncoding()
{
    QFETCH(QString, label);
    QFETCH(QByteArray, name);
    QCOMPARE(nameOf(charsetForLabel(label)), name);
}

void tst_PageEncoding::everyEncodingCanBeWritten()
{
    // One label of each encoding a page can be saved in: its codeset opens and writes ASCII.
    const char16_t *const labels[] = {
            u"utf-8",        u"ibm866",       u"iso-8859-2",   u"iso-8859-3",     u"iso-8859-4",
            u"iso-8859-5",   u"iso-8859-6",   u"iso-8859-7",   u"iso-8859-8",     u"iso-8859-8-i",
            u"iso-8859-10",  u"iso-8859-13",  u"iso-8859-14",  u"iso-8859-15",    u"iso-8859-16",
            u"koi8-r",       u"koi8-u",       u"macintosh",    u"windows-874",    u"windows-1250",
            u"windows-1251", u"windows-1252", u"windows-1253", u"windows-1254",   u"windows-1255",
            u"windows-1256", u"windows-1257", u"windows-1258", u"x-mac-cyrillic", u"gbk",
            u"gb18030",      u"big5",         u"euc-jp",       u"iso-2022-jp",    u"shift_jis",
            u"euc-kr"};
    for (const char16_t *label : labels) {
        const PageCharset *charset = charsetForMetaLabel(QStringView(label));
        QVERIFY2(charset && charset->codeset, qPrintable(QStringView(label).toString()));
        QCOMPARE(encoded(u"<p>"_s, charset->codeset), "<p>"_ba);
    }
}

void tst_PageEncoding::findsTheDeclaration_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArrayList>("names"); // the standard's, Blink's, Gecko's, WebKit's
    const auto row = [](const char *name, const QByteArray &page, QByteArrayList names) {
        QTest::newRow(name) << page << (names.size() == 1 ? QByteArrayList(4, names[0]) : names);
    };
    const QByteArray far(1100, 'x'); // past the first 1024 bytes
    const QByteArray none;
    row("charset", "<meta charset=\"utf-8\"><p>", {"UTF-8"});
    row("upper case, single quotes", "<HTML><META CHARSET='ISO-8859-2'>", {"ISO-8859-2"});
    row("unquoted after a slash", "<meta/charset=koi8-r>", {"KOI8-R"});
    row("pragma, content first",
        "<meta content=\"text/html; Charset = 'shift_jis'\" http-equiv=Content-Type>",
        {"Shift_JIS"});
    row("content without the pragma", "<meta content=\"text/html; charset=utf-8\">",
        {none, "UTF-8", none, none});
    row("charset over content", "<meta http-equiv=content-type content='charset=gbk' charset=big5>",
        {"Big5"});
    row("two content attributes",
        "<meta http-equiv=content-type content='charset=gbk' content='charset=big5'>",
        {"GBK", "Big5", "GBK", "Big5"});
    row("two charset attributes", "<meta charset=euc-kr charset=utf-8>",
        {"EUC-KR", "UTF-8", "EUC-KR", "EUC-KR"});
    row("comment before it", "<!-- <meta charset=koi8-r> --><meta charset=utf-8>", {"UTF-8"});
    row("a comment holding >", "<!-- a > <meta charset=koi8-r> --><meta charset=utf-8>", {"UTF-8"});
    row("a comment holding > in a script", "<script><!-- a > <meta charset=koi8-r> --></script>",
        {none});
    row("in a script", "<script>s='<meta charset=utf-8>'</script><meta charset=big5>", {"Big5"});
    row("only in a script", "<script>s='<meta charset=utf-8>'</script>",
        {"UTF-8", none, none, none});
    row("in a noscript", "<noscript><meta charset=utf-8></noscript><meta charset=big5>",
        {"Big5", "UTF-8", "Big5", "UTF-8"});
    row("only in a comment", "<!-- <meta charset=utf-8> -->", {none});
    row("in an attribute value", "<a title=\"<meta charset=utf-8>\"><meta charset=euc-jp>",
        {"EUC-JP"});
    row("unknown label, then another", "<meta charset=klingon><meta charset=gb18030>", {"gb18030"});
    row("a label WebKit alone knows", "<meta charset=cp936>", {none, none, none, "GBK"});
    row("replacement is none", "<meta charset=iso-2022-kr>", {none});
    row("utf-16 is UTF-8", "<meta charset=utf-16>", {"UTF-8"});
    row("x-user-defined is windows-1252", "<meta charset=x-user-defined>", {"windows-1252"});
    row("line break in the tag", "<meta\r\ncharset=utf-8>", {"UTF-8"});
    row("XML declaration", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><p>", {"KOI8-R"});
    // WebKitGTK takes these for XML: nothing after the declaration says HTML.
    row("XML declaration, ENCODING", "<?xml version=\"1.0\" ENCODING=\"koi8-r\"?><p>",
        {none, "KOI8-R", none, "UTF-8"});
    row("XML declaration, spaces in the quotes", "<?xml version=\"1.0\" encoding=\" koi8-r \"?><p>",
        {none, "KOI8-R", none, "UTF-8"});
    row("XML declaration after a space", " <?xml version=\"1.0\" encoding=\"koi8-r\"?><p>",
        {none, "KOI8-R", none, none});
    row("XHTML", "<html xmlns=\"http://www.w3.org/1999/xhtml\"><meta charset=koi8-r>",
        {"KOI8-R", "KOI8-R", "KOI8-R", "UTF-8"});
    row("past 1024", far + "<meta charset=windows-1251>",
        {"windows-1251", "windows-1251 late", "windows-1251", "windows-1251 late"});
    row("past 1024, pragma",
        far + "<meta http-equiv='content-type' content='text/html;charset=koi8-u'>",
        {"KOI8-U", "KOI8-U late", "KOI8-U", "KOI8-U late"});
    row("past 1024 of the body", "<body>" + far + "<meta charset=windows-1251>",
        {"windows-1251", none, none, none});
    row("past 1024, in a comment", far + "<!--<meta charset=utf-8>-->", {none});
    row("past 1024, empty comment first", far + "<!--><meta charset=utf-8>-->",
        {"UTF-8", "UTF-8 late", "UTF-8", "UTF-8 late"});
    row("past 1024, in a script, then after it",
        far + "<script>s='<meta charset=utf-8>'</script ><meta charset=big5>",
        {"Big5", "Big5 late", "Big5", "Big5 late"});
    row("past 1024, escaped script",
        far + "<script><!--<script></script><meta charset=utf-8>--></script>", {none});
    row("past 1024, in a title", far + "<title><meta charset=utf-8></title>", {none});
    row("past 1024, unclosed tag", far + "<meta charset=utf-8", {none});
    row("hostile: a million <meta", "<meta "_ba.repeated(1000000), {none});
    row("hostile: many unknown labels", "<meta charset=nothing>"_ba.repeated(200000), {none});
    row("hostile: dashes in a comment", far + "<!--" + "--!"_ba.repeated(500000), {none});
}

void tst_PageEncoding::findsTheDeclaration()
{
    QFETCH(QByteArray, page);
    QFETCH(QByteArrayList, names);
    const PageReadings readings = readPage(page);
    const char *const engines[readingCount] = {"the standard", "Blink", "Gecko", "WebKit"};
    for (std::size_t i = 0; i < readingCount; ++i) {
        QVERIFY2(!readings[i].ranOut, engines[i]);
        const QByteArray late = readings[i].late ? " late" : "";
        QVERIFY2(nameOf(readings[i].charset) + late == names[qsizetype(i)], engines[i]);
    }
}

void tst_PageEncoding::savedBytesReadAsTyped_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("bytes");
    for (const SavedPageRow &row : savedPageRows())
        QTest::newRow(row.name) << row.page << row.bytes;
}

void tst_PageEncoding::savedBytesReadAsTyped()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, bytes);
    SavedPage saved(page);
    QByteArray written;
    for (int time = 0; time < 2; ++time) { // as a page written in place is, counted first
        written.clear();
        saved.write([&written](QByteArrayView piece) {
            written += piece;
            return true;
        });
        QCOMPARE(written, bytes);
    }
}

QTEST_GUILESS_MAIN(tst_PageEncoding)
#include "tst_page_encoding.moc"
