// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapepresets.h"
#include "message.h"
#include "random.h"
#include "sizes.h"
#include "startstate.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdlib>

namespace {
// The names are kept as they are in snapshots; the windows translate names and
// texts in the context "LandscapePresets".
const PresetInfo Infos[PresetCount] = {
    {QT_TRANSLATE_NOOP("LandscapePresets", "tent"),
     QT_TRANSLATE_NOOP("LandscapePresets", "The start-up landscape: one broad peak, but 255 and 256 differ in all nine bits.")},
    {QT_TRANSLATE_NOOP("LandscapePresets", "needle"),
     QT_TRANSLATE_NOOP("LandscapePresets", "Flat low ground and one narrow spike: nothing leads to it, only chance finds it.")},
    {QT_TRANSLATE_NOOP("LandscapePresets", "trap"),
     QT_TRANSLATE_NOOP("LandscapePresets", "Fitness grows as bits are cleared, yet all bits set is best: selection is led away.")},
    {QT_TRANSLATE_NOOP("LandscapePresets", "plateau"),
     QT_TRANSLATE_NOOP("LandscapePresets", "A wide flat top: once on it, selection prefers no one and the members drift.")},
    {QT_TRANSLATE_NOOP("LandscapePresets", "two peaks"),
     QT_TRANSLATE_NOOP("LandscapePresets", "A broad low peak and a narrow high one: the members keep the one they find first.")},
    {QT_TRANSLATE_NOOP("LandscapePresets", "ramp"),
     QT_TRANSLATE_NOOP("LandscapePresets", "Fitness rises with the genome's value: the top bit matters most, the lowest least.")},
    {QT_TRANSLATE_NOOP("LandscapePresets", "random walk"),
     QT_TRANSLATE_NOOP("LandscapePresets", "Rugged ground from a random walk: many small peaks to get stuck on.")},
    {QT_TRANSLATE_NOOP("LandscapePresets", "sine"),
     QT_TRANSLATE_NOOP("LandscapePresets", "Four equal peaks: the members split among them, then drift onto one.")},
};

const int Ground = 10;                 // the low ground of the needle and the plateau
const int NeedleAt = 384;
const int NeedleHalfWidth = 2;
const int TrapStep = 40;               // fitness per bit cleared
const int TrapBase = 20;
const int PlateauFrom = 160;
const int PlateauTo = 352;
const int PlateauHeight = 250;
const int LowPeakAt = 128;
const int LowPeakHalfWidth = 112;
const int LowPeakHeight = 200;
const int HighPeakAt = 400;
const int HighPeakHalfWidth = 16;
const int WalkStart = 150;
const int WalkLargestStep = 12;
const int SinePeriods = 4;
const double SineMiddle = 200.0;
const double SineAmplitude = 150.0;
const double Pi = 3.14159265358979323846;

// A peak falling linearly from height at its centre to 0 at halfWidth from it.
int peak(int index, int centre, int halfWidth, int height)
{
    const int distance = std::abs(index - centre);
    return distance >= halfWidth ? 0 : height * (halfWidth - distance) / halfWidth;
}
}

const PresetInfo &presetInfo(Preset preset)
{
    return Infos[static_cast<int>(preset)];
}

void fillPreset(Preset preset, int *landscape, unsigned seed)
{
    Random generator(seed);
    int walk = WalkStart;
    for (int index = 0; index < LandscapeSize; ++index) {
        int &value = landscape[index];
        switch (preset) {
        case Preset::Tent:
            value = startLandscapeValue(index);
            break;
        case Preset::Needle:
            value = std::abs(index - NeedleAt) <= NeedleHalfWidth ? PlotHeight : Ground;
            break;
        case Preset::Trap: {
            const int ones = static_cast<int>(std::bitset<GenomeLength>(index).count());
            value = ones == GenomeLength ? PlotHeight : TrapBase + TrapStep * (GenomeLength - 1 - ones);
            break;
        }
        case Preset::Plateau:
            value = index >= PlateauFrom && index < PlateauTo ? PlateauHeight : Ground;
            break;
        case Preset::TwoPeaks:
            value = Ground + std::max(peak(index, LowPeakAt, LowPeakHalfWidth, LowPeakHeight),
                                      peak(index, HighPeakAt, HighPeakHalfWidth, PlotHeight - Ground));
            break;
        case Preset::Ramp:
            value = index * PlotHeight / LastGenome;
            break;
        case Preset::RandomWalk:
            walk = std::clamp(walk + generator() % (2 * WalkLargestStep + 1) - WalkLargestStep, 0, PlotHeight);
            value = walk;
            break;
        case Preset::Sine:
            value = static_cast<int>(std::lround(
                SineMiddle + SineAmplitude * std::sin(2.0 * Pi * SinePeriods * index / LandscapeSize)));
            break;
        }
    }
}
