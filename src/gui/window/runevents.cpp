// SPDX-License-Identifier: GPL-3.0-or-later
#include "runevents.h"

void RunEvents::setRunning(bool now)
{
    if (now == running)
        return;
    running = now;
    emit runningChanged(running);
}
