// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaccessible.h"
#include "chartwidget.h"

ChartAccessible::ChartAccessible(QWidget *chart)
    : QAccessibleWidget(chart, QAccessible::Chart)
{
}

void ChartAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            ChartWidget *chart = qobject_cast<ChartWidget *>(object);
            if (className == QLatin1String("ChartWidget") && chart)
                return new ChartAccessible(chart);
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
