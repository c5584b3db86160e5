// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaccessible.h"

#include <QWidget>

namespace {
// The charts' base and the main window's view, by name, as they lie in higher layers.
const char *const ChartClasses[] = {"ChartWidget", "LandscapeArea"};
}

ChartAccessible::ChartAccessible(QWidget *chart)
    : QAccessibleWidget(chart, QAccessible::Chart)
{
}

void ChartAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            for (const char *chart : ChartClasses) {
                if (className == QLatin1String(chart) && object->isWidgetType())
                    return new ChartAccessible(static_cast<QWidget *>(object));
            }
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
