// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt window with the same controls as Tagwright's, placed by
// the same layout table, and no behaviour: no names, no tab order, no clicks routed. Like
// Tagwright's, its save dialog would only be made when used.

#include "app/form1_layout.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tagwright"));
    window.resize(pixels(clientWidthTwips), pixels(clientHeightTwips));
    for (const ControlPlacement &placement : form1Layout()) {
        const QString text = QString::fromUtf8(placement.text);
        QWidget *control = nullptr;
        switch (placement.kind) {
        case ControlPlacement::Button:
            control = new QPushButton(text, &window);
            break;
        case ControlPlacement::MultiLineBox:
            control = new QPlainTextEdit(text, &window);
            break;
        case ControlPlacement::OneLineBox:
            control = new QLineEdit(text, &window);
            break;
        case ControlPlacement::Label:
            control = new QLabel(text, &window);
            break;
        }
        control->setGeometry(pixels(placement.left), pixels(placement.top), pixels(placement.width),
                             pixels(placement.height));
    }
    window.show();
    return app.exec();
}
