// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEPRESETS_H
#define LANDSCAPEPRESETS_H

// Landscapes made in code, each with a name and a line on what it teaches. Their
// values lie from 0 to PlotHeight, the height the main window's view shows.
enum class Preset { Tent, Needle, Trap, Plateau, TwoPeaks, Ramp, RandomWalk, Sine };

constexpr int PresetCount = static_cast<int>(Preset::Sine) + 1;

struct PresetInfo
{
    const char *name;
    const char *description;
};

const PresetInfo &presetInfo(Preset preset);

// Fills all LandscapeSize values; only the random walk uses the seed.
void fillPreset(Preset preset, int *landscape, unsigned seed = 1);

#endif
