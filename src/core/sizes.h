// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SIZES_H
#define SIZES_H

// The sizes of the simulation, one place each.
constexpr int CommunitySize = 10;               // members
constexpr int GenomeLength = 9;                 // bits per genome
constexpr int LandscapeSize = 1 << GenomeLength; // one value per genome, 512
constexpr int LastGenome = LandscapeSize - 1;
constexpr int PlotHeight = 400;                 // landscape values the view plots, 0 .. 400

// Element i is bit i with weight 2^i; writers store 0 or 1, readers count > 0 as set.
using Genome = int[GenomeLength];

#endif
