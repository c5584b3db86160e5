// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaxis.h"

#include <cmath>

QList<double> axisTicks(double low, double high, int most)
{
    QList<double> ticks;
    if (!(high > low) || most < 2)
        return ticks;
    const double rough = (high - low) / (most - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= rough)
            break;
    }
    for (double tick = std::ceil(low / step) * step; tick <= high + step * 1e-9; tick += step)
        ticks << (std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    return ticks;
}
