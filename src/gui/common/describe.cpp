// SPDX-License-Identifier: GPL-3.0-or-later
#include "describe.h"

#include <QAccessible>
#include <QWidget>

void describeWidget(QWidget *widget, const QString &description)
{
    if (description == widget->accessibleDescription())
        return;
    widget->setAccessibleDescription(description);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Later versions of Qt tell of the change themselves.
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
#endif
}
