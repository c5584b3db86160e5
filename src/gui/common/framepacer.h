// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRAMEPACER_H
#define FRAMEPACER_H

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// Paints a top-level window at most once per display frame. Widgets still call
// update() as often as they like; the window's update request that would paint
// them is held back until a frame has passed since the last paint began, so the
// picture on screen is never more than a frame behind the state. Half a frame
// always passes between the end of one paint and the next, so that a slow paint
// leaves time for the work that changes the picture.
class FramePacer : public QObject
{
    Q_OBJECT

public:
    explicit FramePacer(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint64 millisecondsToNextPaint() const;
    void paint(QEvent *request);
    void deliverHeldRequest();

    QWidget *window;
    QElapsedTimer paintStarted;
    QElapsedTimer paintEnded;
    QTimer heldRequest;
    int frameMilliseconds;
};

#endif
