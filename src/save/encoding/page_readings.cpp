// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/page_readings.h"

#include "save/encoding/page_charset.h"

#include <algorithm>

namespace {

// The elements whose text the HTML standard's tokenizer reads as text, <noscript> among them
// where scripts run; Blink and WebKit read a <noscript> as markup.
constexpr std::u16string_view textElements[]
        = {u"iframe", u"noembed",  u"noframes", u"noscript", u"script",
           u"style",  u"textarea", u"title",    u"xmp"};
constexpr std::u16string_view textElementsButNoscript[]
        = {u"iframe", u"noembed", u"noframes", u"script", u"style", u"textarea", u"title", u"xmp"};

constexpr ReadingStep lookThenPrescan[]
        = {ReadingStep::markupLook, ReadingStep::prescan, ReadingStep::xmlDeclaration};
constexpr ReadingStep lookAlone[] = {ReadingStep::markupLook, ReadingStep::xmlDeclaration};

// Each engine's rules, as the engines showed them in Debian 12's packages (Chromium 156,
// Firefox ESR 153, WebKitGTK 2.50), reading pages over file: and over HTTP on loopback with
// tools/check-browsers --read: two charset or content attributes in one <meta>, with and
// without http-equiv; a <meta> in each element whose text may be skipped, in comments and
// attribute values; a <meta> 1000 and 1100 bytes into a head and into a body; the labels of
// the standard and of WebKit's codecs; XML declarations in every case and spacing; pages
// naming XHTML. In every engine a charset attribute wins over a content one, a <meta> wins
// over an XML declaration, and the look ends once the body has begun and the first 1024 bytes
// are past.
const PageReading readings[] = {
        // The standard: the prescan of the first bytes, or failing it an XML declaration, gives
        // a tentative charset, which the first <meta> the parser meets anywhere in the page
        // changes, the page read again from its start. The parser keeps the first of two
        // attributes and, where a charset attribute names no encoding, takes the content one.
        {XmlPage::never,
         lookThenPrescan,
         XmlDeclarationReading::strict,
         {textElements,
          LookEnd::pageEnd,
          {Repeated::firstCounts,
           Repeated::firstCounts,
           Pragma::needed,
           UnknownCharsetLabel::leavesTheContent,
           {}}},
         LateDeclaration::appliesToTheWholePage},
        // Blink: the last of two charset or content attributes counts, and a content attribute
        // without http-equiv too; <noscript> is markup; an XML declaration is read leniently.
        // A declaration past the first bytes reaches only what follows it (a title before it
        // showed as windows-1252 when the page came slowly).
        {XmlPage::never,
         lookAlone,
         XmlDeclarationReading::lenient,
         {textElementsButNoscript,
          LookEnd::firstTokenPastFirstBytesOutsideHead,
          {Repeated::lastCounts,
           Repeated::lastCounts,
           Pragma::notNeeded,
           UnknownCharsetLabel::declaresNothing,
           {}}},
         LateDeclaration::appliesToWhatFollows},
        // Gecko: the first of two attributes counts; the text of <noscript> is skipped too. It
        // waits for the look to end before it decodes the page.
        {XmlPage::never,
         lookAlone,
         XmlDeclarationReading::strict,
         {textElements,
          LookEnd::firstTokenPastFirstBytesOutsideHead,
          {Repeated::firstCounts,
           Repeated::firstCounts,
           Pragma::needed,
           UnknownCharsetLabel::declaresNothing,
           {}}},
         LateDeclaration::appliesToTheWholePage},
        // WebKit: the first of two charset attributes counts but the last of two content ones;
        // <noscript> is markup; it knows more labels. WebKitGTK takes a file for XML by what
        // its first bytes hold, and decodes it as it comes, as Blink does.
        {XmlPage::byItsFirstBytes,
         lookAlone,
         XmlDeclarationReading::strict,
         {textElementsButNoscript,
          LookEnd::firstTokenPastFirstBytesOutsideHead,
          {Repeated::firstCounts, Repeated::lastCounts, Pragma::needed,
           UnknownCharsetLabel::declaresNothing, webKitOnlyLabels()}},
         LateDeclaration::appliesToWhatFollows},
};
static_assert(std::size(readings) == readingCount);

// What makes WebKitGTK take a page for XML whatever its name: the type GIO guesses from its
// first 256 bytes by shared-mime-info's magic (XHTML's doctype or namespace, an SVG image, an
// XML declaration), or, over HTTP, WebKit's sniffing for a feed. A page that starts with an
// XML declaration is taken for XML here even where GIO would find HTML after it.
constexpr qsizetype magicLength = 256;
struct XmlMagic
{
    std::string_view bytes;
    enum class Where { atStart, inFirstBytes } where;
};
constexpr XmlMagic xmlMagic[] = {
        {"//W3C//DTD XHTML", XmlMagic::Where::inFirstBytes},
        {"http://www.w3.org/TR/xhtml1/", XmlMagic::Where::inFirstBytes},
        {"http://www.w3.org/1999/xhtml", XmlMagic::Where::inFirstBytes},
        {"<?xml", XmlMagic::Where::atStart},
        {"<svg", XmlMagic::Where::atStart},
        {"<rss", XmlMagic::Where::atStart},
};

bool takenForXml(QByteArrayView start)
{
    const QByteArrayView first = start.first(std::min(start.size(), magicLength));
    return std::ranges::any_of(xmlMagic, [first](const XmlMagic &magic) {
        const QByteArrayView bytes(magic.bytes.data(), qsizetype(magic.bytes.size()));
        return magic.where == XmlMagic::Where::atStart ? first.startsWith(bytes)
                                                       : first.contains(bytes);
    });
}

// One reading of a page, from its first bytes and, where the reading comes to look through
// its markup, from markupLook().
template<typename MarkupLook>
Reading read(const PageReading &reading, QByteArrayView start, const MarkupLook &markupLook)
{
    if (const PageCharset *mark = byteOrderMark(start))
        return {mark};
    if (reading.xmlPage == XmlPage::byItsFirstBytes && takenForXml(start)) {
        const PageCharset *declared = xmlDeclaredCharset(start, reading.xmlDeclaration);
        return {declared ? declared : charsetForLabel(u"utf-8")};
    }
    for (const ReadingStep step : reading.steps) {
        const PageCharset *found = nullptr;
        switch (step) {
        case ReadingStep::prescan:
            found = prescanForCharset(start);
            break;
        case ReadingStep::xmlDeclaration:
            found = xmlDeclaredCharset(start, reading.xmlDeclaration);
            break;
        case ReadingStep::markupLook:
            const DeclarationScan scan = markupLook();
            if (scan.ranOut && !scan.charset)
                return {nullptr, true};
            if (scan.charset)
                return {scan.charset, false,
                        scan.pastFirstBytes
                                && reading.lateDeclaration
                                           == LateDeclaration::appliesToWhatFollows};
            break;
        }
        if (found)
            return {found};
    }
    return {};
}

} // namespace

PageReadings readPage(QByteArrayView bytes)
{
    PageReadings result;
    for (std::size_t i = 0; i < readingCount; ++i) {
        result[i] = read(readings[i], bytes, [&] {
            DeclarationScan scan = lookForDeclaration(bytes, readings[i].look);
            scan.ranOut = false; // the whole page was read
            return scan;
        });
    }
    return result;
}

WholeTextLooks::WholeTextLooks(QStringView raw)
    : m_raw(raw)
    , m_mentionsMeta(::mentionsMeta(raw))
{ }

DeclarationScan WholeTextLooks::look(std::size_t reading, qsizetype firstBytesEnd,
                                     const QByteArray &codeset)
{
    if (!m_mentionsMeta)
        return {};
    const MarkupLook &look = readings[reading].look;
    std::optional<DeclarationScan> &kept = m_looks[reading];
    if (look.end == LookEnd::pageEnd && !kept)
        kept = lookForDeclaration(m_raw, look, firstBytesEnd, {});
    DeclarationScan scan
            = look.end == LookEnd::pageEnd && !(kept->contentBytesMayDiffer && !codeset.isEmpty())
                      ? *kept
                      : lookForDeclaration(m_raw, look, firstBytesEnd, codeset);
    scan.ranOut = false; // the text is the whole page
    return scan;
}

PageReadings readSavedPage(const SavedStart &start, WholeTextLooks &text, const QByteArray &codeset)
{
    if (start.whole)
        return readPage(start.bytes);
    // ISO-2022-JP writes its double-byte characters as pairs of ASCII bytes, which a look at
    // the bytes reads as markup: past the first bytes, the text cannot say what it finds.
    const bool asciiPairs = codeset == "ISO-2022-JP";
    PageReadings result;
    for (std::size_t i = 0; i < readingCount; ++i) {
        result[i] = read(readings[i], start.bytes, [&] {
            return asciiPairs ? lookForDeclaration(start.bytes, readings[i].look)
                              : text.look(i, start.firstBytesEnd, codeset);
        });
    }
    return result;
}
