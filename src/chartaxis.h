// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHARTAXIS_H
#define CHARTAXIS_H

#include <QList>

// Round tick values for an axis from low to high: steps of 1, 2 or 5 times a power of ten.
QList<double> axisTicks(double low, double high, int most);

#endif
