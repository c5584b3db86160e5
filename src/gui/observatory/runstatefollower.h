// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNSTATEFOLLOWER_H
#define RUNSTATEFOLLOWER_H

#include <QObject>

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE
class MainWindow;

// Tells whether the main window is stopped or running. The main window says so
// only through its own buttons: "Run" (with "Load File:" and "New Genes") is
// enabled exactly when it is stopped, so this follows that button's enabled state.
class RunStateFollower : public QObject
{
    Q_OBJECT

public:
    RunStateFollower(MainWindow *window, QObject *parent);

    bool isStopped() const { return stopped; }

signals:
    void stoppedChanged(bool stopped);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *runButton;
    bool stopped;
};

// The main window's push button with the given text.
QPushButton *mainWindowButton(const MainWindow *window, const QString &text);

#endif
