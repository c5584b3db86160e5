// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPESTROKE_H
#define LANDSCAPESTROKE_H

// Sets every value from one sample (index, value) to the other to the straight
// line between them, rounded to the nearest whole number, so that a stroke drawn
// faster than one sample per index leaves no gap. Indexes outside the landscape
// are clamped to it.
void drawLandscapeLine(int *landscape, int fromIndex, int fromValue, int toIndex, int toValue);

#endif
