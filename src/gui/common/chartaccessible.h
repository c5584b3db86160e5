// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHARTACCESSIBLE_H
#define CHARTACCESSIBLE_H

#include <QAccessibleWidget>

// A chart as screen readers meet it: the chart role, its name and its description.
// For the charts' base and the main window's view.
class ChartAccessible : public QAccessibleWidget
{
public:
    explicit ChartAccessible(QWidget *chart);

    // Makes every chart of the program read this way.
    static void install();
};

#endif
