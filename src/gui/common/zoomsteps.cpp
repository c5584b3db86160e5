// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoomsteps.h"

#include <algorithm>
#include <iterator>

namespace {
const int Steps[] = {ZoomSteps::Smallest, 125, 150, 175, 200, 250, ZoomSteps::Largest};
}

int ZoomSteps::clamped(int percent)
{
    return std::clamp(percent, Smallest, Largest);
}

int ZoomSteps::in(int percent)
{
    const int *next = std::upper_bound(std::begin(Steps), std::end(Steps), percent);
    return next != std::end(Steps) ? *next : Largest;
}

int ZoomSteps::out(int percent)
{
    const int *next = std::lower_bound(std::begin(Steps), std::end(Steps), percent);
    return next != std::begin(Steps) ? *(next - 1) : Smallest;
}
