// SPDX-License-Identifier: GPL-3.0-or-later
#include "throttle.h"

Throttle::Throttle(int milliseconds, std::function<void()> action, QObject *parent)
    : QObject(parent), action(std::move(action))
{
    timer.setSingleShot(true);
    timer.setInterval(milliseconds);
    connect(&timer, &QTimer::timeout, this, [this] {
        waiting = false;
        if (pending)
            run();
    });
}

// Asked for after every generation of a run: a flag is all it costs then.
void Throttle::request()
{
    if (waiting)
        pending = true;
    else
        run();
}

void Throttle::run()
{
    pending = false;
    waiting = true;
    timer.start();
    action();
}
