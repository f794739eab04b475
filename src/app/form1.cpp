// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include "app/form1_accessible.h"
#include "app/layout_scale.h"
#include "app/run_command.h"
#include "app/window_direction.h"
#include "compose/image_link.h"
#include "compose/tag_buttons.h"
#include "compose/transfer.h"
#include "save/save_command.h"
#include "view/box_layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr char indexProperty[] = "index";

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    presentShownControlsOnly();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tagwright"));

    std::vector<PlacedControl> controls;
    for (const ControlPlacement &placement : form1Layout())
        controls.push_back({&placement, createControl(placement)});
    keepLeftToRight(*this);
    describeForScreenReaders();
    placeControls(controls);

    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const auto &[placement, control] : controls) {
        if (control->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(placement->tab, control);
    }
    std::ranges::sort(tabOrder);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    tabOrder.front().second->setFocus();

    routeClicks();
}

// What a screen reader finds beyond each control's name. The "Link Caption" label names the
// field beside it. The quote label lies under the main box and is never seen, so it is not
// shown at all, and the window leaves it out of what it presents; it keeps its caption and its
// place.
void Form1::describeForScreenReaders()
{
    label("Label1")->setBuddy(field("txtHTMcap"));
    label("q")->hide();
}

// Puts every control where the table says, grown by one scale so that each caption on show
// is whole in its control's font; a label reaches over the free room beside it, so its caption
// may run on past the table's width where nothing else is drawn. The scale is decided here,
// once: resizing the window later moves nothing.
void Form1::placeControls(std::span<const PlacedControl> controls)
{
    // A font a platform theme gives one class of control, such as its own for labels or
    // buttons, reaches the control only when it is polished: measure in the font it shows.
    ensurePolished();
    const auto placeAt = [](const ControlPlacement &placement, double scale) {
        const bool label = placement.kind == ControlPlacement::Label;
        return pixelRect(label ? withFreeRoom(placement) : placement, scale);
    };
    std::vector<ShownCaption> captions;
    for (const auto &[placement, control] : controls) {
        const bool captioned = placement->kind == ControlPlacement::Button
                               || placement->kind == ControlPlacement::Label;
        if (captioned && !control->isHidden()) {
            captions.push_back({control->font(), QString::fromUtf8(placement->text),
                                [placement, control, placeAt](double scale) {
                                    return captionRoom(*control, placeAt(*placement, scale).size());
                                }});
        }
    }
    const double scale = layoutScale(captions);
    for (const auto &[placement, control] : controls)
        control->setGeometry(placeAt(*placement, scale));
    resize(pixels(clientWidthTwips, scale), pixels(clientHeightTwips, scale));
}

QWidget *Form1::createControl(const ControlPlacement &placement)
{
    const QString text = QString::fromUtf8(placement.text);
    QWidget *created = nullptr;
    switch (placement.kind) {
    case ControlPlacement::Button:
        created = new QPushButton(text, this);
        break;
    case ControlPlacement::MultiLineBox: {
        auto *multiLine = new QPlainTextEdit(text, this);
        multiLine->setTabChangesFocus(true); // Tab walks the window's tab order
        BoxView::setUpLayout(multiLine);
        created = multiLine;
        break;
    }
    case ControlPlacement::OneLineBox: {
        auto *oneLine = new QLineEdit(text, this);
        oneLine->setMaxLength(std::numeric_limits<int>::max()); // never cut what is pasted
        created = oneLine;
        break;
    }
    case ControlPlacement::Label: {
        auto *caption = new QLabel(text, this);
        caption->setTextFormat(Qt::PlainText);
        caption->lower(); // a control that overlaps a label covers it
        created = caption;
        break;
    }
    }
    created->setObjectName(QString::fromLatin1(placement.name));
    if (placement.accessibleName)
        created->setAccessibleName(QString::fromUtf8(placement.accessibleName));
    if (placement.index >= 0)
        created->setProperty(indexProperty, placement.index);
    return created;
}

// Which command each click runs. The members of a button array share one command, which
// is given the clicked member's index.
void Form1::routeClicks()
{
    QPlainTextEdit *hmbox = box("hmbox");
    QPlainTextEdit *txtTest = box("txtTest");
    for (const char *tagPair : {"cmdhtm", "cmdItalic", "cmdBR", "cmdBold", "cmdBody"}) {
        for (const int index : {0, 1}) {
            onClick(button(tagPair, index),
                    [=, this] { appendCaption(hmbox, button(tagPair, index)); });
        }
    }
    onClick(button("cmdPara"), [=, this] { appendCaption(hmbox, button("cmdPara")); });
    onClick(button("cmdImage"), [=, this] { buildImage(txtTest, label("q"), field("txtIMG")); });
    onClick(button("hrefbutt"),
            [=, this] { buildLink(txtTest, label("q"), field("txtHtml"), field("txtHTMcap")); });
    onClick(button("cmdDrag"), [=] { dragDown(hmbox, txtTest); });
    onClick(button("cmdClear"), [=] { clearBox(hmbox); });
    onClick(button("cmdTest"), [=] { clearBox(txtTest); });
    onClick(button("cmdSave"), [=, this] { saveMainBox(m_commonDialog1, hmbox, this); });
}

void Form1::onClick(QAbstractButton *clicked, std::function<void()> command)
{
    connect(clicked, &QAbstractButton::clicked, this,
            [this, command = std::move(command)] { runCommand(this, command); });
}

QWidget *Form1::control(const QString &name, int index) const
{
    const auto named = findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly);
    const auto found = std::ranges::find_if(named, [index](const QWidget *candidate) {
        const QVariant member = candidate->property(indexProperty);
        return member.isValid() ? member.toInt() == index : index < 0;
    });
    return found == named.end() ? nullptr : *found;
}

QAbstractButton *Form1::button(const char *name, int index) const
{
    return qobject_cast<QAbstractButton *>(control(QString::fromLatin1(name), index));
}

QPlainTextEdit *Form1::box(const char *name) const
{
    return qobject_cast<QPlainTextEdit *>(control(QString::fromLatin1(name)));
}

QLineEdit *Form1::field(const char *name) const
{
    return qobject_cast<QLineEdit *>(control(QString::fromLatin1(name)));
}

QLabel *Form1::label(const char *name) const
{
    return qobject_cast<QLabel *>(control(QString::fromLatin1(name)));
}
