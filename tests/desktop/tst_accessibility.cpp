// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "app/form1_accessible.h"
#include "app/form1_layout.h"

#include <QAccessible>
#include <QPixmap>
#include <QSet>
#include <QTest>

#include <map>
#include <string>

// A screen reader sees the window through QAccessible. Every control must tell it a name and
// the role of its kind: buttons and labels are named by their caption, the text boxes by what
// they are for. The names are for the screen reader only and leave the window as it is drawn.
// The quote label, which nobody sees, is not presented; the "Link Caption" label is tied to
// the field it names.
class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { presentShownControlsOnly(); } // as main() does
    void controlHasItsNameAndRole_data();
    void controlHasItsNameAndRole();
    void everyControlInTheWindowIsNamedOnce();
    void linkCaptionLabelNamesItsField();
    void namesLeaveTheWindowAsDrawn();
    void emptyTextBoxShowsNoName_data();
    void emptyTextBoxShowsNoName();
};

void tst_Accessibility::controlHasItsNameAndRole_data()
{
    const std::map<std::string, QString> boxNames = {
            {"hmbox", QStringLiteral("Main box")},
            {"txtTest", QStringLiteral("Scratch box")},
            {"txtHtml", QStringLiteral("Link target")},
            {"txtHTMcap", QStringLiteral("Link caption")},
            {"txtIMG", QStringLiteral("Image source")},
    };
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QAccessible::Role>("role");
    for (const ControlPlacement &placement : form1Layout()) {
        const QString name = QString::fromLatin1(placement.name);
        const QString caption = QString::fromUtf8(placement.text);
        QString rowName = name;
        if (placement.index >= 0)
            rowName += QStringLiteral("(%1)").arg(placement.index);
        QTestData &row = QTest::newRow(qPrintable(rowName)) << name << placement.index;
        switch (placement.kind) {
        case ControlPlacement::Button:
            row << caption << QAccessible::Button;
            break;
        case ControlPlacement::Label:
            row << caption << QAccessible::StaticText;
            break;
        case ControlPlacement::MultiLineBox:
        case ControlPlacement::OneLineBox:
            row << boxNames.at(placement.name) << QAccessible::EditableText;
            break;
        }
    }
}

void tst_Accessibility::controlHasItsNameAndRole()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, accessibleName);
    QFETCH(QAccessible::Role, role);

    Form1 form;
    QWidget *control = form.control(name, index);
    QVERIFY(control);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QCOMPARE(accessible->role(), role);
    QVERIFY(accessible->parent());
    QCOMPARE(accessible->parent()->object(), &form);
}

// Walks the window as a screen reader does, so a control the layout table forgot to name,
// two controls a listener could not tell apart, or one it would read out though nobody can
// see it, show up here.
void tst_Accessibility::everyControlInTheWindowIsNamedOnce()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    QVERIFY(window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tagwright"));
    // Every control but the quote label, which the main box covers.
    QCOMPARE(window->childCount(), int(form1Layout().size()) - 1);
    QAccessibleInterface *quote = QAccessible::queryAccessibleInterface(form.control("q"));
    QVERIFY(quote);
    QVERIFY(quote->state().invisible);
    QCOMPARE(window->indexOfChild(quote), -1);

    QSet<QString> names;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        QVERIFY(child);
        QCOMPARE(window->indexOfChild(child), i);
        QVERIFY(!child->state().invisible);
        const QString name = child->text(QAccessible::Name);
        const QString objectName = child->object()->objectName();
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(objectName + " has no accessible name"));
        QVERIFY2(!names.contains(name), qPrintable(objectName + " shares its name: " + name));
        names.insert(name);
        QVERIFY2(child->role() != QAccessible::NoRole && child->role() != QAccessible::Client,
                 qPrintable(objectName + " has no role of its own"));
    }
}

// A screen reader reads the label's caption for the field and moves from the label to it.
void tst_Accessibility::linkCaptionLabelNamesItsField()
{
    Form1 form;
    QAccessibleInterface *label = QAccessible::queryAccessibleInterface(form.control("Label1"));
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(form.control("txtHTMcap"));
    QVERIFY(label && field);
    using Relations = QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>;
    QCOMPARE(label->relations(QAccessible::Labelled), Relations({{field, QAccessible::Labelled}}));
    QCOMPARE(field->relations(QAccessible::Label), Relations({{label, QAccessible::Label}}));
}

void tst_Accessibility::namesLeaveTheWindowAsDrawn()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage named = form.grab().toImage();

    for (QWidget *control : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setAccessibleName(QString());
    QCOMPARE(form.grab().toImage(), named);
}

// Neither placeholder text nor anything laid over the box: inside its frame an empty box is
// all of its base colour.
void tst_Accessibility::emptyTextBoxShowsNoName_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"hmbox", "txtHtml", "txtHTMcap", "txtIMG"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_Accessibility::emptyTextBoxShowsNoName()
{
    QFETCH(QString, name);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *box = form.control(name);
    QVERIFY(box);
    QVERIFY(!box->accessibleName().isEmpty());

    const QRect inside = box->geometry().adjusted(4, 4, -4, -4);
    const QImage drawn = form.grab(inside).toImage();
    const QColor base = box->palette().color(QPalette::Base);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixelColor(x, y) != base)
                QFAIL(qPrintable(QStringLiteral("%1 shows something at %2,%3")
                                         .arg(name)
                                         .arg(x + inside.left())
                                         .arg(y + inside.top())));
        }
    }
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
