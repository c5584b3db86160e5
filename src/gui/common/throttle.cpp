// SPDX-License-Identifier: GPL-3.0-or-later
#include "throttle.h"

Throttle::Throttle(int milliseconds, std::function<void()> action, QObject *parent)
    : QObject(parent), action(std::move(action))
{
    timer.setSingleShot(true);
    timer.setInterval(milliseconds);
    connect(&timer, &QTimer::timeout, this, [this] {
        if (pending)
            run();
    });
}

void Throttle::request()
{
    if (timer.isActive())
        pending = true;
    else
        run();
}

void Throttle::run()
{
    pending = false;
    timer.start();
    action();
}
