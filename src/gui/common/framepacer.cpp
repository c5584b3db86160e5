// SPDX-License-Identifier: GPL-3.0-or-later
#include "framepacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// Frames per second assumed where the screen does not say, and the bounds kept to.
const double DefaultRefreshRate = 60.0;
const double LowestRefreshRate = 30.0;
const double HighestRefreshRate = 75.0;
const double MillisecondsPerSecond = 1000.0;
}

FramePacer::FramePacer(QWidget *window)
    : QObject(window), window(window)
{
    const QScreen *screen = window->screen();
    const double rate = screen && screen->refreshRate() > 0 ? screen->refreshRate() : DefaultRefreshRate;
    frameMilliseconds = static_cast<int>(std::ceil(MillisecondsPerSecond / std::clamp(rate, LowestRefreshRate, HighestRefreshRate)));

    heldRequest.setSingleShot(true);
    heldRequest.setTimerType(Qt::PreciseTimer);
    connect(&heldRequest, &QTimer::timeout, this, &FramePacer::deliverHeldRequest);
    window->installEventFilter(this);
}

bool FramePacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window || event->type() != QEvent::UpdateRequest)
        return false;
    const qint64 wait = millisecondsToNextPaint();
    if (wait > 0) {
        if (!heldRequest.isActive())
            heldRequest.start(static_cast<int>(wait));
    } else {
        paint(event);
    }
    return true;
}

qint64 FramePacer::millisecondsToNextPaint() const
{
    if (!paintStarted.isValid())
        return 0;
    return std::max(frameMilliseconds - paintStarted.elapsed(), frameMilliseconds / 2 - paintEnded.elapsed());
}

void FramePacer::paint(QEvent *request)
{
    heldRequest.stop();
    paintStarted.start();
    window->removeEventFilter(this);
    QCoreApplication::sendEvent(window, request);
    window->installEventFilter(this);
    paintEnded.start();
}

void FramePacer::deliverHeldRequest()
{
    QEvent request(QEvent::UpdateRequest);
    paint(&request);
}
