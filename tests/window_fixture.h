// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

// A shown and active Tagwright window for widget tests, with its controls at hand by name.
class WindowFixture
{
public:
    bool open()
    {
        m_form = std::make_unique<Form1>();
        m_form->show();
        m_form->activateWindow();
        return QTest::qWaitForWindowActive(m_form.get());
    }
    void close() { m_form.reset(); }

    Form1 *form() const { return m_form.get(); }

    // Clicks a button with the mouse, as a user does.
    void click(const char *name, int index = -1) const
    {
        auto *button = qobject_cast<QAbstractButton *>(m_form->control(name, index));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QPlainTextEdit *box(const char *name) const
    {
        return qobject_cast<QPlainTextEdit *>(m_form->control(name));
    }
    QLineEdit *field(const char *name) const
    {
        return qobject_cast<QLineEdit *>(m_form->control(name));
    }

private:
    std::unique_ptr<Form1> m_form;
};
