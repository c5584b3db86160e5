// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessiblenumber.h"

#include <QLCDNumber>

AccessibleNumber::AccessibleNumber(QLCDNumber *display)
    : QAccessibleWidget(display, QAccessible::StaticText)
{
}

void AccessibleNumber::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            QLCDNumber *display = qobject_cast<QLCDNumber *>(object);
            if (className == QLatin1String("QLCDNumber") && display && display->isWidgetType())
                return new AccessibleNumber(display);
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

QString AccessibleNumber::shown() const
{
    return QString::number(static_cast<QLCDNumber *>(widget())->intValue());
}

QString AccessibleNumber::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return shown();
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return shown();
    return QAccessibleWidget::text(t);
}

void *AccessibleNumber::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleNumber::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleNumber::text(int startOffset, int endOffset) const
{
    return shown().mid(startOffset, endOffset - startOffset);
}

int AccessibleNumber::characterCount() const
{
    return static_cast<int>(shown().size());
}

QString AccessibleNumber::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}
