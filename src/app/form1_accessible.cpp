// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1_accessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

class AccessibleForm1 : public QAccessibleWidget
{
public:
    explicit AccessibleForm1(QWidget *form)
        : QAccessibleWidget(form)
    { }

    int childCount() const override { return int(shownControls().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QObjectList controls = shownControls();
        return index >= 0 && index < controls.size()
                       ? QAccessible::queryAccessibleInterface(controls.at(index))
                       : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shownControls().indexOf(child->object())) : -1;
    }

private:
    // In the order Qt presents a window's children: their stacking order, bottom first.
    QObjectList shownControls() const
    {
        QObjectList controls;
        for (QWidget *control : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!control->isHidden() && !control->isWindow())
                controls.append(control);
        }
        return controls;
    }
};

QAccessibleInterface *accessibleForm1(const QString &className, QObject *object)
{
    if (className != QLatin1String("Form1") || !object || !object->isWidgetType())
        return nullptr;
    return new AccessibleForm1(static_cast<QWidget *>(object));
}

} // namespace

void presentShownControlsOnly()
{
    QAccessible::installFactory(accessibleForm1);
}
