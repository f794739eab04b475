// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Large pages are read, encoded and written in pieces; these tests check that the pieces
// join into exactly the bytes a whole-text save gives, wherever the piece borders fall. A
// page built by clicking is one long line, which the main box lays out in its own, cheaper
// way; the last tests check that it still shows what a stock box shows, after edits too.

#include "page_bytes.h"
#include "save/encoding/page_encoding.h"
#include "text/text_box.h"
#include "window_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRawFont>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {

// A text and its windows-1252 page bytes, built from symbols whose bytes are known.
struct MixedPage
{
    QString text; // line breaks as CR LF
    QByteArray bytes;
};

MixedPage mixedPage(qsizetype symbols, quint32 seed)
{
    struct Symbol
    {
        QString text;
        QByteArray bytes;
    };
    const Symbol alphabet[] = {
            {u"a"_s, "a"_ba},
            {u"Z"_s, "Z"_ba},
            {u" "_s, " "_ba},
            {u"<B>"_s, "<B>"_ba},
            {u"\r\n"_s, "\r\n"_ba},
            {u"\u00e9"_s, "\xe9"_ba}, // in the code page
            {u"\u20ac"_s, "\x80"_ba}, // in the code page, above Latin-1
            {u"\u00a0"_s, "\xa0"_ba}, // no-break space, kept as it is
            {u"\u65e5"_s, "&#26085;"_ba}, // outside the code page
            {u"\U0001F600"_s, "&#128512;"_ba}, // a surrogate pair
    };
    QRandomGenerator random(seed);
    MixedPage page;
    for (qsizetype i = 0; i < symbols; ++i) {
        // Mostly ASCII, as a page is, so that long ASCII runs meet every other symbol.
        const quint32 pick = random.bounded(40u);
        const Symbol &symbol = alphabet[pick < 35 ? pick % 5 : pick - 30];
        page.text += symbol.text;
        page.bytes += symbol.bytes;
    }
    return page;
}

// The editor's own form of a CR LF text: what the user sees after typing or pasting it.
void fill(QPlainTextEdit *box, const QString &crLfText)
{
    box->setPlainText(QString(crLfText).replace(u"\r\n"_s, u"\n"_s));
}

// Caret positions (from the end if negative; -1 is the end), each with the keys typed there.
using Edits = QList<std::pair<int, QString>>;

// Where each line of the text in sight starts, block by block, and where the caret stands.
QString wrapping(const QPlainTextEdit *box)
{
    QString where;
    const QTextBlock last = box->cursorForPosition({0, box->viewport()->height()}).block();
    for (QTextBlock block = box->cursorForPosition({0, 0}).block(); block.isValid();
         block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int line = 0; line < layout->lineCount(); ++line)
            where += QString::number(block.position() + layout->lineAt(line).textStart()) + u' ';
        where += u'|';
        if (block == last)
            break;
    }
    return where + QString::number(box->cursorRect().x());
}

// The glyphs that show a part of a line of a box: font, glyph and place from the part's start.
QStringList shownGlyphs(const QPlainTextEdit *box, int from, int length)
{
    const QTextBlock block = box->document()->findBlock(from);
    box->document()->documentLayout()->blockBoundingRect(block); // lays it out if not yet
    const QTextLayout *layout = block.layout();
    from -= block.position();
    const QPointF start(layout->lineAt(0).cursorToX(from), 0);
    QStringList glyphs;
    for (const QGlyphRun &run : layout->glyphRuns(from, length)) {
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
            const QPointF place = run.positions()[i] - start;
            glyphs += QString::asprintf("%s %u at %g,%g", qPrintable(run.rawFont().familyName()),
                                        run.glyphIndexes()[i], place.x(), place.y());
        }
    }
    glyphs.sort();
    return glyphs;
}

// Bytes the process holds from the allocator: the sanitizers' own allocator if there is one.
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));
qint64 allocatedBytes()
{
    if (__sanitizer_get_current_allocated_bytes)
        return qint64(__sanitizer_get_current_allocated_bytes());
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks + heap.hblkhd);
}

} // namespace

class tst_LargePage : public QObject
{
    Q_OBJECT

private slots:
    void piecesJoinIntoTheBoxText_data();
    void piecesJoinIntoTheBoxText();
    void piecesStopWhenAsked();
    void lineSeparatorIsALineBreak();
    void encoderGivesTheSameBytesWhereverPiecesSplit();
    void encoderJoinsASplitSurrogatePair_data();
    void encoderJoinsASplitSurrogatePair();
    void repeatedCharactersEncodeAlike();
    void largeMainBoxIsSavedByteForByte();
    void editedLongLinesShowAsIfLaidOutAfresh_data();
    void editedLongLinesShowAsIfLaidOutAfresh();
    void scriptsThatNeedShapingAreShaped_data();
    void scriptsThatNeedShapingAreShaped();
    void editedLineKeepsItsLayoutDataTillLeft();
};

void tst_LargePage::piecesJoinIntoTheBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one line, no break") << u"abc"_s;
    QTest::newRow("breaks at both ends") << u"\r\nabc\r\n"_s;
    QTest::newRow("only breaks") << u"\r\n\r\n\r\n"_s;
    QTest::newRow("non-ASCII between breaks") << u"\u65e5\r\n\u00a0x\r\n\U0001F600"_s;
    // Far longer than one piece, so that breaks, pairs and ASCII words meet piece borders.
    QTest::newRow("large mixed") << mixedPage(200000, 1).text;
    QTest::newRow("large, one long line") << QString(150000, u'x');
}

void tst_LargePage::piecesJoinIntoTheBoxText()
{
    QFETCH(QString, text);
    QPlainTextEdit box;
    fill(&box, text);
    QString joined;
    int calls = 0;
    TextBox::forEachPiece(&box, [&](QStringView piece) {
        joined += piece;
        ++calls;
        return true;
    });
    QCOMPARE(joined, text);
    QCOMPARE(TextBox::text(&box), text);
    if (text.size() > 100000)
        QVERIFY2(calls > 1, "a large box comes in more than one piece");
}

void tst_LargePage::piecesStopWhenAsked()
{
    QPlainTextEdit box;
    fill(&box, QString(300000, u'y'));
    int calls = 0;
    TextBox::forEachPiece(&box, [&calls](QStringView) {
        ++calls;
        return false;
    });
    QCOMPARE(calls, 1);
}

void tst_LargePage::lineSeparatorIsALineBreak()
{
    // Shift+Enter puts a line separator, not a paragraph break, into the editor.
    QPlainTextEdit box;
    QTextCursor cursor(box.document());
    cursor.insertText(u"a"_s);
    cursor.insertText(QString(QChar(QChar::LineSeparator)));
    cursor.insertText(u"b"_s);
    QCOMPARE(TextBox::text(&box), u"a\r\nb"_s);
}

void tst_LargePage::encoderGivesTheSameBytesWhereverPiecesSplit()
{
    const MixedPage page = mixedPage(400, 2);
    QCOMPARE(encoded(page.text, "CP1252"), page.bytes);
    for (qsizetype split = 0; split <= page.text.size(); ++split) {
        PageEncoder encoder("CP1252");
        encoder.add(QStringView(page.text).first(split));
        QByteArray bytes = encoder.take();
        encoder.add(QStringView(page.text).sliced(split));
        bytes += encoder.finish();
        QCOMPARE(bytes, page.bytes);
    }
}

void tst_LargePage::encoderJoinsASplitSurrogatePair_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<QByteArray>("bytes");
    const QString pair = u"\U0001F600"_s;
    const QString high = pair.first(1);
    const QString low = pair.sliced(1);
    QTest::newRow("pair across two pieces")
            << QStringList{u"a"_s + high, low + u"b"_s} << "a&#128512;b"_ba;
    QTest::newRow("across an empty piece") << QStringList{high, QString(), low} << "&#128512;"_ba;
    QTest::newRow("high at the very end") << QStringList{u"a"_s, high} << "a&#65533;"_ba;
    QTest::newRow("high, then a high") << QStringList{high, high, low} << "&#65533;&#128512;"_ba;
    QTest::newRow("high, then ASCII") << QStringList{high, u"x"_s} << "&#65533;x"_ba;
}

void tst_LargePage::encoderJoinsASplitSurrogatePair()
{
    QFETCH(QStringList, pieces);
    QFETCH(QByteArray, bytes);
    PageEncoder encoder("CP1252");
    QByteArray inPieces;
    for (const QString &piece : pieces) {
        encoder.add(piece);
        inPieces += encoder.take();
    }
    inPieces += encoder.finish();
    QCOMPARE(inPieces, bytes);
    QCOMPARE(encoded(pieces.join(QString()), "CP1252"), bytes);
}

void tst_LargePage::repeatedCharactersEncodeAlike()
{
    // Each character is converted once and then remembered; later ones must match.
    QCOMPARE(encoded(u"\u20ac\u20ac\u65e5x\u65e5\u20ac"_s, "CP1252"),
             "\x80\x80&#26085;x&#26085;\x80"_ba);
    QCOMPARE(encoded(u"\u0416\u0416\u00e9\u00e9"_s, "KOI8-R"), "\xf6\xf6&#233;&#233;"_ba);
}

void tst_LargePage::largeMainBoxIsSavedByteForByte()
{
    WindowFixture window;
    QVERIFY(window.open());
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = directory.filePath(u"page.html"_s);
    window.form()->CommonDialog1().setChooser([path](QWidget *, const QString &) { return path; });

    const MixedPage page = mixedPage(300000, 3);
    fill(window.box("hmbox"), page.text);
    window.click("cmdSave");

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QCOMPARE(saved.size(), page.bytes.size());
    QVERIFY(saved == page.bytes);
}

void tst_LargePage::editedLongLinesShowAsIfLaidOutAfresh_data()
{
    // Each edit puts the caret at a position (from the end if negative; -1 is the end) and
    // types keys there: \n is Enter, \b Backspace, \x1a Ctrl+Z.
    QTest::addColumn<Edits>("edits");
    QTest::newRow("nothing") << Edits{};
    QTest::newRow("typing at the end") << Edits{{-1, u"abc def"_s}};
    QTest::newRow("a line broken, both halves typed in")
            << Edits{{3000, u"\n"_s}, {10, u"xyz "_s}, {-1, u"end"_s}};
    QTest::newRow("two lines joined, then typed in")
            << Edits{{-1, u"\nsecond"_s}, {-7, u"\b"_s}, {-1, u" q"_s}};
    QTest::newRow("typing undone in the other half")
            << Edits{{3000, u"\n"_s}, {-1, u"tail"_s}, {10, u"ab\x1a\x1a"_s}};
}

// The main box keeps the layout of the line last edited; after edits here and there it must
// wrap and place the caret as a box given the finished text at once does.
void tst_LargePage::editedLongLinesShowAsIfLaidOutAfresh()
{
    QFETCH(const Edits, edits);
    WindowFixture window;
    QVERIFY(window.open());
    QPlainTextEdit *hmbox = window.box("hmbox");
    fill(hmbox, mixedPage(6000, 4).text.remove(u"\r\n"_s));
    hmbox->setFocus();
    for (const auto &[position, keys] : edits) {
        QTextCursor caret = hmbox->textCursor();
        caret.setPosition(position < 0 ? hmbox->document()->characterCount() + position : position);
        hmbox->setTextCursor(caret);
        for (const QChar key : keys) {
            if (key == u'\b')
                QTest::keyClick(hmbox, Qt::Key_Backspace);
            else if (key == u'\n')
                QTest::keyClick(hmbox, Qt::Key_Return);
            else if (key == u'\x1a')
                QTest::keyClick(hmbox, Qt::Key_Z, Qt::ControlModifier);
            else
                QTest::keyClicks(hmbox, QString(key));
        }
        QCoreApplication::processEvents();
    }

    QPlainTextEdit afresh;
    afresh.setFont(hmbox->font());
    afresh.resize(hmbox->size());
    fill(&afresh, TextBox::text(hmbox));
    afresh.setTextCursor(hmbox->textCursor());
    afresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&afresh));
    afresh.verticalScrollBar()->setValue(hmbox->verticalScrollBar()->value());
    QCoreApplication::processEvents();
    QCOMPARE(wrapping(hmbox), wrapping(&afresh));
}

void tst_LargePage::scriptsThatNeedShapingAreShaped_data()
{
    QTest::addColumn<QString>("text"); // after a '|', what an input method composes at its end
    QTest::addColumn<int>("from"); // the part in the script
    QTest::addColumn<int>("length");
    QTest::addColumn<QFontDatabase::WritingSystem>("writingSystem");
    QTest::newRow("Arabic in a Latin line")
            << u"<B>\u0645\u0631\u062d\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645</B>"_s
            << 3 << 13 << QFontDatabase::Arabic;
    QTest::newRow("Devanagari in a Latin line") << u"<P>\u0928\u092e\u0938\u094d\u0924\u0947</P>"_s
                                                << 3 << 6 << QFontDatabase::Devanagari;
    // Each of these fails when a stretch leaves out the character its cluster starts with.
    QTest::newRow("letter, two marks") << u"Vie\u0323\u0302t"_s << 2 << 3 << QFontDatabase::Latin;
    QTest::newRow("letter, diaeresis") << u"no\u0308"_s << 1 << 2 << QFontDatabase::Latin;
    QTest::newRow("letter, low line") << u"x\u0332"_s << 0 << 2 << QFontDatabase::Latin;
    QTest::newRow("keycap") << u"<B>#\ufe0f\u20e3"_s << 3 << 3 << QFontDatabase::Latin;
    QTest::newRow("variation sequence") << u"<I>\u263a\ufe0e"_s << 3 << 2 << QFontDatabase::Latin;
    QTest::newRow("tatweel") << u"<B>\u0628\u0640</B>"_s << 3 << 2 << QFontDatabase::Arabic;
    QTest::newRow("joiner") << u"x\u200d\u0628\u200d"_s << 0 << 4 << QFontDatabase::Arabic;
    QTest::newRow("between lines") << u"a\n\u0628\u0627\nb"_s << 2 << 2 << QFontDatabase::Arabic;
    QTest::newRow("input method") << u"abc|\u304b\u306a"_s << 3 << 2 << QFontDatabase::Any;
}

// Latin needs no shaping and is drawn straight from the character map; scripts that join
// or reorder must still be shaped, into the glyphs a stock box shows.
// So must letters with marks, keycaps and variation sequences, with each glyph in its place.
// Typing before a shaped part redraws one line, as it does in Latin.
void tst_LargePage::scriptsThatNeedShapingAreShaped()
{
    QFETCH(const QString, text);
    QFETCH(const int, from);
    QFETCH(const int, length);
    QFETCH(const QFontDatabase::WritingSystem, writingSystem);
    if (QFontDatabase::families(writingSystem).isEmpty())
        QSKIP("no font for this script is installed");
    WindowFixture window;
    QVERIFY(window.open());
    QPlainTextEdit *hmbox = window.box("hmbox");
    const QStringList parts = text.split(u'|');
    fill(hmbox, parts[0]);
    QPlainTextEdit stock;
    stock.setPlainText(parts[0]);
    if (parts.size() > 1) {
        QTextCharFormat underlined; // as an input method shows what it composes
        underlined.setFontUnderline(true);
        for (QPlainTextEdit *box : {hmbox, &stock}) {
            box->moveCursor(QTextCursor::End);
            QInputMethodEvent event(parts[1], {{QInputMethodEvent::TextFormat, 0, 2, underlined}});
            QCoreApplication::sendEvent(box, &event);
        }
        QCOMPARE(hmbox->document()->firstBlock().layout()->formats(),
                 stock.document()->firstBlock().layout()->formats());
    }

    const QStringList shown = shownGlyphs(hmbox, from, length);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown, shownGlyphs(&stock, from, length));

    // Typing before the part has its line redrawn, not the whole box.
    QList<int> redrawn{0, 0}; // the whole box, one line
    const QAbstractTextDocumentLayout *boxLayout = hmbox->document()->documentLayout();
    connect(boxLayout, &QAbstractTextDocumentLayout::update, hmbox, [&] { ++redrawn[0]; });
    connect(boxLayout, &QAbstractTextDocumentLayout::updateBlock, hmbox, [&] { ++redrawn[1]; });
    hmbox->moveCursor(QTextCursor::Start);
    QTest::keyClicks(hmbox, u"ab"_s);
    QCOMPARE(redrawn, (QList<int>{0, 2}));
}

// The line last edited keeps its layout data, some 35 bytes a character, till an edit ends in
// another line; then it gives it up, even out of sight and not drawn again.
void tst_LargePage::editedLineKeepsItsLayoutDataTillLeft()
{
    WindowFixture window;
    QVERIFY(window.open());
    QPlainTextEdit *hmbox = window.box("hmbox");
    const QString longLine = u"<B>word</B> "_s.repeated(20000);
    fill(hmbox, longLine + u"\r\n"_s.repeated(100));
    hmbox->setFocus();
    hmbox->moveCursor(QTextCursor::EndOfBlock);
    QTest::keyClicks(hmbox, u"x"_s);

    const qint64 holding = allocatedBytes();
    hmbox->moveCursor(QTextCursor::End);
    QTest::keyClicks(hmbox, u"y"_s);
    QTRY_VERIFY(holding - allocatedBytes() > 10 * longLine.size());
}

QTEST_MAIN(tst_LargePage)
#include "tst_large_page.moc"
