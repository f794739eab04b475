// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1_layout.h"
#include "app/run_command.h"
#include "modal_catcher.h"
#include "text/text_box.h"
#include "window_fixture.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <stdexcept>

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlStandsWhereTheTableSays_data();
    void controlStandsWhereTheTableSays();
    void windowHasItsTitleAndClientSize();
    void initialTexts();
    void tabWalksTheTabOrder();
    void shiftTabWalksItBackwards();
    void initialFocusIsOnClosingHtmlButton();
    void quoteLabelIsCoveredByTheMainBox();
    void enlargingTheWindowMovesNothing();
    void captionsShowWholeAtTheDefaultFont_data();
    void captionsShowWholeAtTheDefaultFont();
    void neighboursMeetAtEveryScale();
    void captionsAreNeverMarkup();
    void userCanTypeIntoEveryBox_data();
    void userCanTypeIntoEveryBox();
    void unexpectedErrorIsReportedAndTheProgramGoesOn();

private:
    QString focusedControl() const;

    WindowFixture m_window;
    Form1 *m_form = nullptr;
};

// A font whose captions fit the table's pixels, so that the window keeps them.
void tst_Form1::initTestCase()
{
    QFont small = QApplication::font();
    small.setPointSize(6);
    QApplication::setFont(small);
}

void tst_Form1::init()
{
    QVERIFY(m_window.open());
    m_form = m_window.form();
}

void tst_Form1::cleanup()
{
    m_window.close();
}

// The room a control's style leaves for its caption.
static QRect captionRoom(const QWidget *control)
{
    auto *button = qobject_cast<const QPushButton *>(control);
    if (!button)
        return control->contentsRect();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

// The name of the focused control as written in the layout: name, or name(index).
QString tst_Form1::focusedControl() const
{
    const QWidget *focused = QApplication::focusWidget();
    while (focused && focused->parentWidget() != m_form)
        focused = focused->parentWidget(); // a text box's viewport belongs to the box
    if (!focused)
        return QStringLiteral("(none)");
    const QVariant index = focused->property("index");
    return index.isValid() ? QStringLiteral("%1(%2)").arg(focused->objectName()).arg(index.toInt())
                           : focused->objectName();
}

void tst_Form1::controlStandsWhereTheTableSays_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    // Pixels, from the twips of the layout at 15 twips a pixel.
    const auto row = [](const char *name, int index, const char *kind, const char *caption,
                        QRect geometry) {
        const QString tag = index < 0 ? QString::fromLatin1(name)
                                      : QStringLiteral("%1(%2)").arg(name).arg(index);
        QTest::newRow(qPrintable(tag))
                << QString::fromLatin1(name) << index << QString::fromLatin1(kind)
                << QString::fromUtf8(caption) << geometry;
    };
    row("cmdhtm", 0, "QPushButton", "</html>", {56, 8, 49, 17});
    row("hrefbutt", -1, "QPushButton", "Link", {8, 32, 97, 17});
    row("cmdImage", -1, "QPushButton", "Image", {8, 80, 97, 17});
    row("hmbox", -1, "QPlainTextEdit", "", {8, 288, 529, 321});
    row("cmdBR", 0, "QPushButton", "<br>", {200, 8, 49, 17});
    row("cmdBold", 0, "QPushButton", "<B>", {296, 8, 49, 17});
    row("cmdItalic", 0, "QPushButton", "<I>", {104, 8, 49, 17});
    row("cmdItalic", 1, "QPushButton", "</I>", {152, 8, 49, 17});
    row("txtTest", -1, "QPlainTextEdit", "", {8, 112, 529, 137});
    row("cmdDrag", -1, "QPushButton", "Dragdown", {456, 256, 81, 25});
    row("cmdBold", 1, "QPushButton", "</B>", {344, 8, 49, 17});
    row("cmdhtm", 1, "QPushButton", "<html>", {8, 8, 49, 17});
    row("cmdBR", 1, "QPushButton", "</br>", {248, 8, 49, 17});
    row("txtHtml", -1, "QLineEdit", "", {112, 32, 425, 19});
    row("txtIMG", -1, "QLineEdit", "", {112, 80, 425, 19});
    row("txtHTMcap", -1, "QLineEdit", "", {112, 56, 425, 19});
    row("Label1", -1, "QLabel", "Link Caption", {32, 56, 80, 17}); // up to its field
    row("cmdPara", -1, "QPushButton", "<P>", {488, 8, 49, 17});
    row("cmdBody", 0, "QPushButton", "<Body>", {392, 8, 49, 17});
    row("cmdBody", 1, "QPushButton", "</Body>", {440, 8, 49, 17});
    row("q", -1, "QLabel", "\"", {456, 336, 9, 9});
    row("cmdClear", -1, "QPushButton", "Clear Main", {8, 256, 81, 25});
    row("cmdSave", -1, "QPushButton", "Save", {232, 256, 65, 25});
    row("cmdTest", -1, "QPushButton", "Clear Test", {96, 256, 81, 25});
}

void tst_Form1::controlStandsWhereTheTableSays()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    QWidget *control = m_form->control(name, index);
    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), kind);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isVisible(), name != "q"); // the covered quote label is never seen
    QVERIFY(control->isEnabled());
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), caption);
    }
}

void tst_Form1::windowHasItsTitleAndClientSize()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Tagwright"));
    QCOMPARE(m_form->size(), QSize(542, 632));
    QCOMPARE(m_form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 24);
}

void tst_Form1::initialTexts()
{
    QCOMPARE(TextBox::text(qobject_cast<QPlainTextEdit *>(m_form->control("txtTest"))),
             QStringLiteral("Test\r\n"));
    QVERIFY(qobject_cast<QPlainTextEdit *>(m_form->control("hmbox"))->document()->isEmpty());
    for (const char *field : {"txtHtml", "txtHTMcap", "txtIMG"})
        QVERIFY(qobject_cast<QLineEdit *>(m_form->control(field))->text().isEmpty());
}

void tst_Form1::tabWalksTheTabOrder()
{
    const QStringList order = {
            "cmdhtm(0)",    "hrefbutt",     "cmdImage", "hmbox",     "cmdBR(0)",   "cmdBold(0)",
            "cmdItalic(0)", "cmdItalic(1)", "txtTest",  "cmdDrag",   "cmdBold(1)", "cmdhtm(1)",
            "cmdBR(1)",     "txtHtml",      "txtIMG",   "txtHTMcap", "cmdPara",    "cmdBody(0)",
            "cmdBody(1)",   "cmdClear",     "cmdSave",  "cmdTest",   "cmdhtm(0)",
    };
    QStringList walked = {focusedControl()};
    for (int step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focusedControl();
    }
    QCOMPARE(walked, order);
}

void tst_Form1::shiftTabWalksItBackwards()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focusedControl(), QStringLiteral("cmdTest"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focusedControl(), QStringLiteral("cmdSave"));
}

void tst_Form1::initialFocusIsOnClosingHtmlButton()
{
    QCOMPARE(focusedControl(), QStringLiteral("cmdhtm(0)"));
}

void tst_Form1::quoteLabelIsCoveredByTheMainBox()
{
    QWidget *hmbox = m_form->control("hmbox");
    const QWidget *q = m_form->control("q");
    QVERIFY(hmbox->geometry().contains(q->geometry()));
    for (const QPoint point :
         {q->geometry().center(), q->geometry().topLeft(), q->geometry().bottomRight()}) {
        QWidget *seen = m_form->childAt(point);
        QVERIFY2(seen == hmbox || hmbox->isAncestorOf(seen),
                 qPrintable(seen ? seen->objectName() : "nothing"));
    }
}

void tst_Form1::enlargingTheWindowMovesNothing()
{
    QList<QRect> before;
    const auto controls = m_form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget *control : controls)
        before << control->geometry();
    m_form->resize(900, 1000);
    QTRY_COMPARE(m_form->size(), QSize(900, 1000));
    for (qsizetype i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->geometry(), before[i]);
}

void tst_Form1::captionsShowWholeAtTheDefaultFont_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("labelPointSize"); // a platform theme may give labels their own
    QTest::addColumn<bool>("keepsTable");
    for (const char *family : {"DejaVu Sans", "Noto Sans"}) {
        for (int pointSize = 8; pointSize <= 14; ++pointSize)
            QTest::addRow("%s %d pt", family, pointSize)
                    << QString::fromLatin1(family) << pointSize << pointSize << false;
    }
    QTest::newRow("small") << "DejaVu Sans" << 7 << 7 << true;
    QTest::newRow("small, label over its free room") << "DejaVu Sans" << 7 << 9 << true;
    QTest::newRow("small, label past its free room") << "DejaVu Sans" << 7 << 10 << false;
}

// The window in a desktop's default font against the window in a font that keeps the table to
// the pixel. Every caption's full advance, ink and line fit the room its control leaves, with a
// pixel less some caption would not, and the window keeps its proportions.
void tst_Form1::captionsShowWholeAtTheDefaultFont()
{
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    QFETCH(int, labelPointSize);
    QFETCH(bool, keepsTable);
    if (QFontInfo(QFont(family)).family() != family)
        QSKIP(qPrintable(
                family + QStringLiteral(" is not installed (fonts-dejavu-core, fonts-noto-core)")));
    const Form1 drawn;
    QCOMPARE(drawn.size(), QSize(542, 632));
    const auto restore = qScopeGuard([font = QApplication::font()] {
        QApplication::setFont(font);
        QApplication::setFont(font, "QLabel");
    });
    QApplication::setFont(QFont(family, pointSize));
    QApplication::setFont(QFont(family, labelPointSize), "QLabel");
    Form1 shown;
    shown.ensurePolished(); // each control in the font it is drawn in
    const qreal factor = qreal(shown.width()) / drawn.width();
    QVERIFY(qAbs(shown.height() - drawn.height() * factor) <= 1);
    QVERIFY(factor == 1 || !keepsTable);

    bool tight = false;
    for (const ControlPlacement &placement : form1Layout()) {
        const QString name = QString::fromLatin1(placement.name);
        const QWidget *was = drawn.control(name, placement.index);
        const QWidget *now = shown.control(name, placement.index);
        if (factor == 1)
            QCOMPARE(now->geometry(), was->geometry());
        // Both corners where the drawn ones times the factor fall, give or take their rounding.
        const QRectF place(now->geometry()), drawnPlace(was->geometry());
        const QPointF offTopLeft = place.topLeft() - drawnPlace.topLeft() * factor;
        const QPointF offBottomRight = place.bottomRight() - drawnPlace.bottomRight() * factor;
        QVERIFY2(qMax(offTopLeft.manhattanLength(), offBottomRight.manhattanLength()) <= 2,
                 qPrintable(name));

        const QString caption = QString::fromUtf8(placement.text);
        if (now->isHidden()
            || (placement.kind != ControlPlacement::Button
                && placement.kind != ControlPlacement::Label))
            continue;
        // Each of the caption's advance, ink and line against its room, as (need, room).
        const QFontMetricsF font(now->font());
        const QSizeF room = captionRoom(now).size();
        for (const QPointF fit : {QPointF(font.horizontalAdvance(caption), room.width()),
                                  QPointF(font.tightBoundingRect(caption).width(), room.width()),
                                  QPointF(font.height(), room.height())}) {
            QVERIFY2(fit.x() <= fit.y(), qPrintable(caption));
            tight = tight || fit.x() > fit.y() - 1;
        }
    }
    QVERIFY2(factor == 1 || tight, "the window grew more than its captions need");
}

// Neighbouring tag buttons overlap by one pixel as drawn; grown by any scale they still share
// a column, and controls apart as drawn stay apart.
void tst_Form1::neighboursMeetAtEveryScale()
{
    for (int percent = 100; percent <= 300; ++percent) {
        for (const ControlPlacement &one : form1Layout()) {
            for (const ControlPlacement &other : form1Layout()) {
                const bool meet = pixelRect(one, percent / 100.0)
                                          .intersects(pixelRect(other, percent / 100.0));
                QVERIFY2(meet == pixelRect(one).intersects(pixelRect(other)), one.name);
            }
        }
    }
}

void tst_Form1::captionsAreNeverMarkup()
{
    for (const QLabel *label : m_form->findChildren<QLabel *>())
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

void tst_Form1::userCanTypeIntoEveryBox_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"hmbox", "txtTest", "txtHtml", "txtHTMcap", "txtIMG"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_Form1::userCanTypeIntoEveryBox()
{
    QFETCH(QString, name);
    QWidget *box = m_form->control(name);
    auto *multiLine = qobject_cast<QPlainTextEdit *>(box);
    QWidget *clicked = multiLine ? multiLine->viewport() : box; // the text area, not its frame
    QTest::mouseClick(clicked, Qt::LeftButton, {},
                      QPoint(clicked->width() - 4, clicked->height() - 4));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
    if (multiLine)
        QVERIFY(TextBox::text(multiLine).endsWith("typed"));
    else
        QCOMPARE(qobject_cast<QLineEdit *>(box)->text(), QStringLiteral("typed"));
}

void tst_Form1::unexpectedErrorIsReportedAndTheProgramGoesOn()
{
    ModalCatcher catcher;
    runCommand(m_form, [] { throw std::runtime_error("the disk caught fire"); });
    QCOMPARE(catcher.caught(), 1);
    QVERIFY(catcher.lastText().contains("the disk caught fire"));
    QCOMPARE(catcher.lastIcon(), QMessageBox::Critical);
    QVERIFY(m_form->isVisible());
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
