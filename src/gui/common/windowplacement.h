// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

#include <QMargins>
#include <QObject>
#include <QRect>

QT_BEGIN_NAMESPACE
class QTimer;
class QWidget;
QT_END_NAMESPACE

// Where a top-level window goes when it is first shown: where it was left in an
// earlier start, brought onto the screen; else beside another window, where the
// screen has room for it; else over it, filling the screen. A window placed
// beside another never grows past its screen: its frame stays on it.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // Without a window to stand beside, it only places the frame when asked.
    explicit WindowPlacement(QWidget *window, QWidget *beside = nullptr);

    // Shows the window, raised and active; the first time placed, from the
    // geometry it was left with when there is one.
    void show(const QByteArray &remembered);
    // Puts the frame's top-left at point once the window manager has framed the
    // window; until then a window's place is its inside's.
    void placeFrame(const QPoint &point);
    // Whole on the screen of another, in its middle; where its size does not fit, filling the screen.
    static void centre(QWidget *window, const QWidget *over);
    // A frame no larger than room, moved onto it where it reaches beyond an edge.
    static QRect fitted(const QRect &frame, const QRect &room);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeBeside();
    void keepFrameInRoom();
    void keepOnScreen();
    void moveFrameWhenFramed();
    QMargins frameMargins() const;

    QWidget *window;
    QWidget *beside;
    bool placed = false;
    QRect frameRoom; // where the framed window must fit, until it has a frame
    QPoint frameTarget;
    bool frameTargetPending = false;
    QTimer *frameWatch = nullptr; // asks until the window manager has framed the window
    int frameWatchTries = 0;
};

#endif
