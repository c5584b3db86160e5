// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

#include <QObject>
#include <QRect>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// Where a top-level window goes when it is first shown: where it was left in an
// earlier start; else beside another window, where the screen has room for it;
// else over it, filling the screen.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    WindowPlacement(QWidget *window, QWidget *beside);

    // Shows the window, raised and active; the first time placed, from the
    // geometry it was left with when there is one.
    void show(const QByteArray &remembered);
    // Whole on the screen of another, in its middle; where its size does not fit, filling the screen.
    static void centre(QWidget *window, const QWidget *over);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeBeside();
    void keepFrameInRoom();

    QWidget *window;
    QWidget *beside;
    bool placed = false;
    QRect frameRoom; // where the framed window must fit, until it has a frame
};

#endif
