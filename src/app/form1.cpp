// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

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

// Where a control's member index is kept beside its object name, for tests and tools that
// tell array members apart from outside.
constexpr char indexProperty[] = "index";

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tagwright"));

    for (const ControlPlacement &placement : form1Layout())
        m_placed.push_back({&placement, createControl(placement)});
    m_controls = typedControls();
    keepLeftToRight(*this);
    describeForScreenReaders();
    placeControls();

    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const auto &[placement, control] : m_placed) {
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
    m_controls.Label1->setBuddy(m_controls.txtHTMcap);
    m_controls.q->hide();
}

// Puts every control where the table says, grown by one scale so that each caption on show
// is whole in its control's font; a label reaches over the free room beside it, so its caption
// may run on past the table's width where nothing else is drawn. The scale is decided here,
// once: resizing the window later moves nothing.
void Form1::placeControls()
{
    // A font a platform theme gives one class of control, such as its own for labels or
    // buttons, reaches the control only when it is polished: measure in the font it shows.
    ensurePolished();
    const auto placeAt = [](const ControlPlacement &placement, double scale) {
        const bool label = placement.kind == ControlPlacement::Label;
        return pixelRect(label ? withFreeRoom(placement) : placement, scale);
    };
    std::vector<ShownCaption> captions;
    for (const auto &[placement, control] : m_placed) {
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
    for (const auto &[placement, control] : m_placed)
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

// Each control the commands use, found once among the placed controls by its name in the
// layout table.
Form1::Controls Form1::typedControls() const
{
    return {
            .cmdhtm = buttonArray("cmdhtm"),
            .cmdItalic = buttonArray("cmdItalic"),
            .cmdBR = buttonArray("cmdBR"),
            .cmdBold = buttonArray("cmdBold"),
            .cmdBody = buttonArray("cmdBody"),
            .cmdPara = placed<QAbstractButton>("cmdPara"),
            .hrefbutt = placed<QAbstractButton>("hrefbutt"),
            .cmdImage = placed<QAbstractButton>("cmdImage"),
            .cmdDrag = placed<QAbstractButton>("cmdDrag"),
            .cmdClear = placed<QAbstractButton>("cmdClear"),
            .cmdTest = placed<QAbstractButton>("cmdTest"),
            .cmdSave = placed<QAbstractButton>("cmdSave"),
            .hmbox = placed<QPlainTextEdit>("hmbox"),
            .txtTest = placed<QPlainTextEdit>("txtTest"),
            .txtHtml = placed<QLineEdit>("txtHtml"),
            .txtHTMcap = placed<QLineEdit>("txtHTMcap"),
            .txtIMG = placed<QLineEdit>("txtIMG"),
            .Label1 = placed<QLabel>("Label1"),
            .q = placed<QLabel>("q"),
    };
}

// Which command each click runs. The members of a button array share one command, which
// is given the clicked member.
void Form1::routeClicks()
{
    for (const ButtonArray &tagPair : {m_controls.cmdhtm, m_controls.cmdItalic, m_controls.cmdBR,
                                       m_controls.cmdBold, m_controls.cmdBody}) {
        for (QAbstractButton *member : tagPair)
            onClick(member, [this, member] { appendCaption(m_controls.hmbox, member); });
    }
    onClick(m_controls.cmdPara, [this] { appendCaption(m_controls.hmbox, m_controls.cmdPara); });
    onClick(m_controls.cmdImage,
            [this] { buildImage(m_controls.txtTest, m_controls.q, m_controls.txtIMG); });
    onClick(m_controls.hrefbutt, [this] {
        buildLink(m_controls.txtTest, m_controls.q, m_controls.txtHtml, m_controls.txtHTMcap);
    });
    onClick(m_controls.cmdDrag, [this] { dragDown(m_controls.hmbox, m_controls.txtTest); });
    onClick(m_controls.cmdClear, [this] { clearBox(m_controls.hmbox); });
    onClick(m_controls.cmdTest, [this] { clearBox(m_controls.txtTest); });
    onClick(m_controls.cmdSave, [this] { saveMainBox(m_commonDialog1, m_controls.hmbox, this); });
}

void Form1::onClick(QAbstractButton *clicked, std::function<void()> command)
{
    connect(clicked, &QAbstractButton::clicked, this,
            [this, command = std::move(command)] { runCommand(this, command); });
}

QWidget *Form1::control(const QString &name, int index) const
{
    const auto found = std::ranges::find_if(m_placed, [&](const PlacedControl &candidate) {
        return QLatin1String(candidate.placement->name) == name
               && candidate.placement->index == index;
    });
    return found == m_placed.end() ? nullptr : found->control;
}

template<typename Control>
Control *Form1::placed(const char *name, int index) const
{
    auto *found = qobject_cast<Control *>(control(QLatin1String(name), index));
    Q_ASSERT_X(found, "Form1", name);
    return found;
}

Form1::ButtonArray Form1::buttonArray(const char *name) const
{
    return {placed<QAbstractButton>(name, 0), placed<QAbstractButton>(name, 1)};
}
