// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Watches for modal message boxes while it lives, closes each one as a user would and keeps
// what it said, so that a test can run code that shows one.
class ModalCatcher : public QObject
{
public:
    ModalCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            m_lastText = box->text();
            m_lastIcon = box->icon();
            m_lastButtons.clear();
            for (const QAbstractButton *button : box->buttons())
                m_lastButtons << button->text();
            ++m_caught;
            box->done(QMessageBox::Ok);
        });
        m_timer.start(5);
    }

    int caught() const { return m_caught; }
    QString lastText() const { return m_lastText; }
    QMessageBox::Icon lastIcon() const { return m_lastIcon; }
    QStringList lastButtons() const { return m_lastButtons; }

private:
    QTimer m_timer;
    int m_caught = 0;
    QString m_lastText;
    QMessageBox::Icon m_lastIcon = QMessageBox::NoIcon;
    QStringList m_lastButtons;
};
