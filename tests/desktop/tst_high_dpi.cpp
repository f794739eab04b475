// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "app/form1_layout.h"

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// Run at QT_SCALE_FACTOR 1 and 2 (see CMakeLists.txt). The layout stays in device-independent
// pixels and the toolkit scales the window and every control by the same factor, so the
// window's native pixels hold each control at its place times the factor.
class tst_HighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowIsDrawnAtTheScaleFactor();
    void controlKeepsItsPlaceAndScaleWithTheWindow_data();
    void controlKeepsItsPlaceAndScaleWithTheWindow();

private:
    // The window's native pixels as last drawn, or a null image where the platform keeps them
    // elsewhere than in an image.
    static QImage nativePixels(Form1 &form);

    qreal m_factor = 1;
};

void tst_HighDpi::initTestCase()
{
    m_factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QVERIFY2(m_factor >= 1, "QT_SCALE_FACTOR is not a number of at least 1");
    // A font whose captions fit the layout's pixels, so that the window keeps them.
    QFont small = QApplication::font();
    small.setPointSize(6);
    QApplication::setFont(small);
}

QImage tst_HighDpi::nativePixels(Form1 &form)
{
    const auto *image = dynamic_cast<const QImage *>(form.backingStore()->paintDevice());
    return image ? *image : QImage();
}

void tst_HighDpi::windowIsDrawnAtTheScaleFactor()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatio(), m_factor);
    QCOMPARE(form.size(), QSize(pixels(clientWidthTwips), pixels(clientHeightTwips)));

    const QImage native = nativePixels(form);
    if (native.isNull())
        QSKIP("this platform's window pixels are not an image to look at");
    QCOMPARE(native.size(), form.size() * m_factor);
}

void tst_HighDpi::controlKeepsItsPlaceAndScaleWithTheWindow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("place");
    for (const ControlPlacement &placement : form1Layout()) {
        QString rowName = QString::fromLatin1(placement.name);
        if (placement.index >= 0)
            rowName += QStringLiteral("(%1)").arg(placement.index);
        QTest::newRow(qPrintable(rowName))
                << QString::fromLatin1(placement.name) << placement.index
                << pixelRect(placement.kind == ControlPlacement::Label ? withFreeRoom(placement)
                                                                       : placement);
    }
}

void tst_HighDpi::controlKeepsItsPlaceAndScaleWithTheWindow()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, place);

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *control = form.control(name, index);
    QVERIFY(control);
    QCOMPARE(control->geometry(), place);
    QCOMPARE(control->devicePixelRatio(), form.devicePixelRatio());

    // A text box's empty middle shows its base colour in the native pixels at its place
    // times the factor; the window's background shows just outside its top left corner.
    if (!qobject_cast<QPlainTextEdit *>(control) && !qobject_cast<QLineEdit *>(control))
        return;
    const QImage native = nativePixels(form);
    if (native.isNull())
        QSKIP("this platform's window pixels are not an image to look at");
    const QPoint middle = place.center() + QPoint(place.width() / 4, 0);
    const QPoint outside = place.topLeft() - QPoint(3, 3);
    QCOMPARE(native.pixelColor((QPointF(middle) * m_factor).toPoint()),
             control->palette().color(QPalette::Base));
    QCOMPARE(native.pixelColor((QPointF(outside) * m_factor).toPoint()),
             form.palette().color(QPalette::Window));
}

QTEST_MAIN(tst_HighDpi)
#include "tst_high_dpi.moc"
