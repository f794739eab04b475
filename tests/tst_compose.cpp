// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_box.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// The commands that change text, driven through real clicks on the window.
class tst_Compose : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tagButtonAppendsItsCaption_data();
    void tagButtonAppendsItsCaption();
    void tagsFollowEachOtherWithNothingBetween();
    void spaceOnInitialFocusAppendsClosingHtml();

    void imageAndLinkBuildTheirTags_data();
    void imageAndLinkBuildTheirTags();
    void buildersReadTheQuoteFromTheLabel();
    void clearTestThenImageLeavesOnlyTheTag();

    void dragdownCopiesTheScratchBox_data();
    void dragdownCopiesTheScratchBox();
    void clearMainThenTagLeavesOnlyTheTag();
    void clearedTextCanBeUndone();

    void appendIsWholeReplacementWhateverTheCaret_data();
    void appendIsWholeReplacementWhateverTheCaret();

    void lineBreaksReadAsCrLf_data();
    void lineBreaksReadAsCrLf();

private:
    void click(const char *name, int index = -1) { m_window.click(name, index); }
    QPlainTextEdit *box(const char *name) const { return m_window.box(name); }
    QLineEdit *field(const char *name) const { return m_window.field(name); }
    QString text(const char *name) const { return TextBox::text(box(name)); }

    WindowFixture m_window;
};

void tst_Compose::init()
{
    QVERIFY(m_window.open());
}

void tst_Compose::cleanup()
{
    m_window.close();
}

void tst_Compose::tagButtonAppendsItsCaption_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tag");
    QTest::newRow("</html>") << "cmdhtm" << 0 << "</html>";
    QTest::newRow("<html>") << "cmdhtm" << 1 << "<html>";
    QTest::newRow("<I>") << "cmdItalic" << 0 << "<I>";
    QTest::newRow("</I>") << "cmdItalic" << 1 << "</I>";
    QTest::newRow("<br>") << "cmdBR" << 0 << "<br>";
    QTest::newRow("</br>") << "cmdBR" << 1 << "</br>";
    QTest::newRow("<B>") << "cmdBold" << 0 << "<B>";
    QTest::newRow("</B>") << "cmdBold" << 1 << "</B>";
    QTest::newRow("<Body>") << "cmdBody" << 0 << "<Body>";
    QTest::newRow("</Body>") << "cmdBody" << 1 << "</Body>";
    QTest::newRow("<P>") << "cmdPara" << -1 << "<P>";
}

void tst_Compose::tagButtonAppendsItsCaption()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, tag);
    TextBox::append(box("hmbox"), u"Hello\r\nworld"_s);
    field("txtHtml")->setText(u"a.htm"_s);

    click(name.toLatin1(), index);
    QCOMPARE(text("hmbox"), u"Hello\r\nworld"_s + tag);
    click(name.toLatin1(), index);
    QCOMPARE(text("hmbox"), u"Hello\r\nworld"_s + tag + tag);

    QCOMPARE(text("txtTest"), u"Test\r\n"_s);
    QCOMPARE(field("txtHtml")->text(), u"a.htm"_s);
}

void tst_Compose::tagsFollowEachOtherWithNothingBetween()
{
    click("cmdhtm", 1);
    click("cmdBody", 0);
    click("cmdBody", 1);
    click("cmdhtm", 0);
    QCOMPARE(text("hmbox"), u"<html><Body></Body></html>"_s);
}

void tst_Compose::spaceOnInitialFocusAppendsClosingHtml()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(text("hmbox"), u"</html>"_s);
}

void tst_Compose::imageAndLinkBuildTheirTags_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("scratch");

    QTest::newRow("image") << "pic.gif"
                           << ""
                           << "" << QStringList{"cmdImage"} << "Test\r\n<img SRC=\"pic.gif\">";
    QTest::newRow("link") << ""
                          << "a.htm"
                          << "Home" << QStringList{"hrefbutt"}
                          << "Test\r\n<a href =\"a.htm\">Home</a>";
    QTest::newRow("empty fields") << ""
                                  << ""
                                  << "" << QStringList{"cmdImage", "hrefbutt"}
                                  << "Test\r\n<img SRC=\"\"><a href =\"\"></a>";
    QTest::newRow("quote inside a field")
            << "x.png\" width=\"10"
            << "a b.htm\" target=\"_top"
            << "Tom & \"Jerry\"<b>" << QStringList{"cmdImage", "hrefbutt"}
            << "Test\r\n<img SRC=\"x.png\" width=\"10\">"
               "<a href =\"a b.htm\" target=\"_top\">Tom & \"Jerry\"<b></a>";
    QTest::newRow("spaces kept") << "  p.gif "
                                 << " t "
                                 << " c " << QStringList{"hrefbutt"}
                                 << "Test\r\n<a href =\" t \"> c </a>";
    QTest::newRow("twice") << "p.gif"
                           << ""
                           << "" << QStringList{"cmdImage", "cmdImage"}
                           << "Test\r\n<img SRC=\"p.gif\"><img SRC=\"p.gif\">";
    QTest::newRow("beyond ASCII") << "b\u00e9b\u00e9.jpg"
                                  << ""
                                  << "" << QStringList{"cmdImage"}
                                  << "Test\r\n<img SRC=\"b\u00e9b\u00e9.jpg\">";
}

void tst_Compose::imageAndLinkBuildTheirTags()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, caption);
    QFETCH(QStringList, clicks);
    QFETCH(QString, scratch);
    field("txtIMG")->setText(source);
    field("txtHtml")->setText(target);
    field("txtHTMcap")->setText(caption);
    TextBox::append(box("hmbox"), u"main"_s);

    for (const QString &name : clicks)
        click(name.toLatin1());

    QCOMPARE(text("txtTest"), scratch);
    QCOMPARE(text("hmbox"), u"main"_s);
    QCOMPARE(field("txtIMG")->text(), source);
    QCOMPARE(field("txtHtml")->text(), target);
    QCOMPARE(field("txtHTMcap")->text(), caption);
}

void tst_Compose::buildersReadTheQuoteFromTheLabel()
{
    // The quote is whatever the label q holds at the click, so a changed label shows in the tag.
    auto *q = m_window.form()->findChild<QLabel *>(u"q"_s);
    q->setText(u"'"_s);
    field("txtIMG")->setText(u"p.gif"_s);
    click("cmdImage");
    QCOMPARE(text("txtTest"), u"Test\r\n<img SRC='p.gif'>"_s);
}

void tst_Compose::clearTestThenImageLeavesOnlyTheTag()
{
    field("txtIMG")->setText(u"pic.gif"_s);
    click("cmdTest");
    QCOMPARE(text("txtTest"), QString());
    click("cmdImage");
    QCOMPARE(text("txtTest"), u"<img SRC=\"pic.gif\">"_s);
    QCOMPARE(field("txtIMG")->text(), u"pic.gif"_s);
}

void tst_Compose::dragdownCopiesTheScratchBox_data()
{
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("scratch");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("result");
    QTest::newRow("right after start") << ""
                                       << "Test\r\n"
                                       << 1 << "Test\r\n";
    QTest::newRow("twice") << ""
                           << "Test\r\n"
                           << 2 << "Test\r\nTest\r\n";
    QTest::newRow("empty scratch box") << "<P>a\r\nb"
                                       << "" << 1 << "<P>a\r\nb";
    QTest::newRow("onto text") << "<P>a\r\n"
                               << "<a href =\"x\">y</a>\r\n\r\n"
                               << 1 << "<P>a\r\n<a href =\"x\">y</a>\r\n\r\n";
    QTest::newRow("no-break space and beyond BMP")
            << "a\u00a0"
            << "\u00a0\U0001F600\r\nz" << 1 << "a\u00a0\u00a0\U0001F600\r\nz";
}

void tst_Compose::dragdownCopiesTheScratchBox()
{
    QFETCH(QString, main);
    QFETCH(QString, scratch);
    QFETCH(int, times);
    QFETCH(QString, result);
    TextBox::append(box("hmbox"), main);
    TextBox::clear(box("txtTest"));
    TextBox::append(box("txtTest"), scratch);

    for (int i = 0; i < times; ++i)
        click("cmdDrag");

    QCOMPARE(text("hmbox"), result);
    QCOMPARE(text("txtTest"), scratch);
}

void tst_Compose::clearMainThenTagLeavesOnlyTheTag()
{
    TextBox::append(box("hmbox"), u"<html>\r\nlong page"_s);
    click("cmdClear");
    QCOMPARE(text("hmbox"), QString());
    QCOMPARE(text("txtTest"), u"Test\r\n"_s);
    click("cmdBold", 0);
    QCOMPARE(text("hmbox"), u"<B>"_s);
}

void tst_Compose::clearedTextCanBeUndone()
{
    // Clearing asks nothing, so the editor's own undo is what keeps a slip from losing a page.
    TextBox::append(box("hmbox"), u"a page\r\nworth keeping"_s);
    click("cmdClear");
    box("hmbox")->undo();
    QCOMPARE(text("hmbox"), u"a page\r\nworth keeping"_s);
}

void tst_Compose::appendIsWholeReplacementWhateverTheCaret_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");

    const struct
    {
        const char *button;
        const char *target;
        QString piece;
    } commands[] = {
            {"cmdPara", "hmbox", u"<P>"_s},
            {"cmdDrag", "hmbox", u"Test\r\n"_s},
            {"hrefbutt", "txtTest", u"<a href =\"t.htm\">T</a>"_s},
    };
    for (const auto &[button, target, piece] : commands) {
        QTest::addRow("%s, caret at start", button) << button << target << piece << 0 << 0;
        QTest::addRow("%s, caret in the middle", button) << button << target << piece << 7 << 7;
        QTest::addRow("%s, caret at the end", button) << button << target << piece << -1 << -1;
        QTest::addRow("%s, selection", button) << button << target << piece << 2 << 9;
        QTest::addRow("%s, everything selected", button) << button << target << piece << 0 << -1;
    }
}

// The commands are defined as setting the box's whole text to the old text followed by the
// piece. They are carried out as an insertion at the end; the text must be the same.
void tst_Compose::appendIsWholeReplacementWhateverTheCaret()
{
    QFETCH(QString, button);
    QFETCH(QString, target);
    QFETCH(QString, piece);
    QFETCH(int, anchor);
    QFETCH(int, position);
    const QString old = u"first line\r\nsecond\u00a0line\r\n\r\nend"_s;
    QPlainTextEdit *edited = box(target.toLatin1());
    TextBox::clear(edited);
    TextBox::append(edited, old);
    field("txtHtml")->setText(u"t.htm"_s);
    field("txtHTMcap")->setText(u"T"_s);

    const int end = edited->document()->characterCount() - 1;
    QTextCursor caret(edited->document());
    caret.setPosition(anchor < 0 ? end : anchor);
    caret.setPosition(position < 0 ? end : position, QTextCursor::KeepAnchor);
    edited->setTextCursor(caret);
    const QString selected = edited->textCursor().selectedText();

    QPlainTextEdit replaced;
    replaced.setPlainText(TextBox::text(edited) + piece);

    click(button.toLatin1());

    QCOMPARE(edited->document()->toRawText(), replaced.document()->toRawText());
    QCOMPARE(text(target.toLatin1()), old + piece);
    QCOMPARE(edited->textCursor().selectedText(), selected);
}

void tst_Compose::lineBreaksReadAsCrLf_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("read");
    QTest::newRow("Return") << "a\nb"
                            << "a\r\nb";
    QTest::newRow("Shift+Return") << "a\u2028b"
                                  << "a\r\nb";
    QTest::newRow("breaks at both ends") << "\nab\n"
                                         << "\r\nab\r\n";
    QTest::newRow("no-break space stays") << "a\u00a0b"
                                          << "a\u00a0b";
    QTest::newRow("tab and beyond the BMP") << "\t\U0001F600"
                                            << "\t\U0001F600";
}

void tst_Compose::lineBreaksReadAsCrLf()
{
    QFETCH(QString, typed);
    QFETCH(QString, read);
    QPlainTextEdit *hmbox = box("hmbox");
    hmbox->setFocus();
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == u'\n') {
            QTest::keyClick(hmbox, Qt::Key_Return);
        } else if (typed[i] == QChar::LineSeparator) {
            QTest::keyClick(hmbox, Qt::Key_Return, Qt::ShiftModifier);
        } else {
            const qsizetype units = typed[i].isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, hmbox, Qt::Key_unknown, typed.mid(i, units),
                                Qt::NoModifier);
            i += units - 1;
        }
    }
    QCOMPARE(text("hmbox"), read);
    click("cmdDrag"); // the scratch box's own break reaches the main box as CR LF too
    QCOMPARE(text("hmbox"), read + u"Test\r\n"_s);
}

QTEST_MAIN(tst_Compose)
#include "tst_compose.moc"
