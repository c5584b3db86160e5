// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZOOMSTEPS_H
#define ZOOMSTEPS_H

// The zoom of a window's charts and text, in percent, in the steps that zooming
// in and out go through.
namespace ZoomSteps {
constexpr int Smallest = 100;
constexpr int Largest = 300;

int clamped(int percent);
// The zoom as a factor, 1.0 at Smallest.
constexpr double factor(int percent)
{
    return percent / double(Smallest);
}
// The next step up or down from percent, within Smallest to Largest.
int in(int percent);
int out(int percent);
}

#endif
