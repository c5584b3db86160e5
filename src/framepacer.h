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
// them is held back until a frame has passed since the last paint, so the
// picture on screen is never more than a frame behind the state.
class FramePacer : public QObject
{
    Q_OBJECT

public:
    explicit FramePacer(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deliverHeldRequest();

    QWidget *window;
    QElapsedTimer sinceLastPaint;
    QTimer heldRequest;
    int frameMilliseconds;
};

#endif
