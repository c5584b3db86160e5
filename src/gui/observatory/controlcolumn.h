// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONTROLCOLUMN_H
#define CONTROLCOLUMN_H

#include <QScrollArea>

class LandscapeChart;
class LandscapeControls;
class LandscapePanel;
class LandscapeWatch;
class MainWindow;
class ParameterControls;
class RecordControls;
class RunControls;

// The observatory's panels top to bottom, in a column that scrolls when the window is short.
class ControlColumn : public QScrollArea
{
    Q_OBJECT

public:
    ControlColumn(MainWindow *window, LandscapeChart *chart, LandscapeWatch *watch, QWidget *parent = nullptr);

    RunControls *run() const { return runControls; }
    ParameterControls *parameters() const { return parameterControls; }
    LandscapeControls *landscapes() const { return landscapeControls; }
    LandscapePanel *drawing() const { return landscapePanel; }
    RecordControls *record() const { return recordControls; }

    // The controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;
    // As wide as its panels at their font, but no wider than most: beyond that it scrolls.
    void fitWidth(int most);

private:
    RunControls *runControls;
    ParameterControls *parameterControls;
    LandscapeControls *landscapeControls;
    LandscapePanel *landscapePanel;
    RecordControls *recordControls;
};

#endif
