// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/page_encoding.h"

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
};

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
}

void tst_PageEncoding::encodesAsTheCodePageHoldsIt()
{
    QFETCH(QByteArray, codeset);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodePage(text, codeset), bytes);
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
        QCOMPARE(encodePage(text, codeset), bytes);
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
    QCOMPARE(encodePage(text, "CP1252"), bytes);
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

QTEST_GUILESS_MAIN(tst_PageEncoding)
#include "tst_page_encoding.moc"
