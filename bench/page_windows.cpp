// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_windows.h"

#include "app/form1.h"
#include "sample_text.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <map>
#include <memory>

namespace {

std::map<PageSetup, std::unique_ptr<Form1>> &windows()
{
    static std::map<PageSetup, std::unique_ptr<Form1>> open;
    return open;
}

void settle()
{
    // Two passes: the second delivers what the first posted, such as the repaint.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

Form1 &pageWindow(const PageSetup &setup)
{
    std::unique_ptr<Form1> &form = windows()[setup];
    if (!form) {
        form = std::make_unique<Form1>();
        boxOf(*form, "hmbox")
                ->setPlainText(setup.utf8Letters
                                       ? utf8LettersPage(setup.mainBoxSize)
                                       : sampleText(setup.mainBoxSize, setup.withOtherCharacters));
        boxOf(*form, "txtTest")->setPlainText(sampleText(setup.scratchBoxSize));
        qobject_cast<QLineEdit *>(form->control(QStringLiteral("txtIMG")))
                ->setText(QStringLiteral("pic.gif"));
        qobject_cast<QLineEdit *>(form->control(QStringLiteral("txtHtml")))
                ->setText(QStringLiteral("a.htm"));
        qobject_cast<QLineEdit *>(form->control(QStringLiteral("txtHTMcap")))
                ->setText(QStringLiteral("Home"));
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the benchmark window was never exposed");
        settle();
    }
    return *form;
}

void closeAllPageWindows()
{
    windows().clear();
}

QAbstractButton *buttonOf(Form1 &form, const char *name, int index)
{
    auto *button = qobject_cast<QAbstractButton *>(form.control(QString::fromLatin1(name), index));
    if (!button)
        qFatal("no button %s(%d)", name, index);
    return button;
}

QPlainTextEdit *boxOf(Form1 &form, const char *name)
{
    auto *box = qobject_cast<QPlainTextEdit *>(form.control(QString::fromLatin1(name)));
    if (!box)
        qFatal("no text box %s", name);
    return box;
}

void clickAndSettle(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}
