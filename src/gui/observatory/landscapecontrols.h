// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPECONTROLS_H
#define LANDSCAPECONTROLS_H

#include <QGroupBox>

QT_BEGIN_NAMESPACE
class QComboBox;
class QPushButton;
QT_END_NAMESPACE
class MainWindow;

// New genes, the landscapes that come with the program, any other file, a reload
// and the four shifts, all through the main window's own slots. Loads and new
// genes are offered only while the run is stopped, as in the main window.
class LandscapeControls : public QGroupBox
{
    Q_OBJECT

public:
    explicit LandscapeControls(MainWindow *window, QWidget *parent = nullptr);

    void setStopped(bool stopped);
    // Shows the landscape in the selector when it is one of its own.
    void showName(const QString &name);

    QList<QWidget *> tabOrder() const;

signals:
    void loadRequested(const QString &name);
    void openRequested();
    // A shift button held down and let go.
    void holdStarted();
    void holdEnded();

private:
    QComboBox *selector;
    QPushButton *openButton;
    QPushButton *reloadButton;
    QPushButton *newGenesButton;
    QList<QPushButton *> shiftButtons;
};

#endif
