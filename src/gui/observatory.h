// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef OBSERVATORY_H
#define OBSERVATORY_H

#include "history.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QSpinBox;
class QStatusBar;
QT_END_NAMESPACE
class HistoryChart;
class LandscapeChart;
class MainWindow;

// A second window on a run of the main window: the landscape and the members at
// large, fitness, diversity and bits over the generations, a trail of positions,
// the pace of "Run", a seed to restart from, and export of what it recorded.
// It records from the moment it is made, shown or not; F2 in either window shows
// or hides it.
class Observatory : public QWidget
{
    Q_OBJECT

public:
    explicit Observatory(MainWindow *window, QWidget *parent = nullptr);

    // Writes every generation kept in full as CSV; false with the reason in error.
    bool exportCsv(const QString &path, QString &error) const;
    bool saveImage(const QString &path, QString &error);
    void setPace(int generationsPerSecond); // 0: as fast as possible
    void restart(unsigned seed);
    void clearHistory();
    void toggle();
    void showBeside();

private:
    void recordGeneration();
    void showLoadResult();
    void refresh();
    void chooseCsvFile();
    void chooseImageFile();
    void report(bool done, const QString &message, const QString &error);

    MainWindow *window;
    History recorded;
    LandscapeChart *landscapeChart;
    HistoryChart *historyChart;
    QComboBox *paceBox;
    QSpinBox *seedBox;
    QStatusBar *statusBar;
    int loadsSeen;
    bool placed = false;
};

#endif
