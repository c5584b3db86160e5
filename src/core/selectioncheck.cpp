// SPDX-License-Identifier: GPL-3.0-or-later
#include "selectioncheck.h"
#include "generationstep.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
// Narrow around 1, where a population of equals puts every member; wide at the
// ends, because a bin's mean is only as sure as the draws it expects (thousands for
// a few per cent), and members under half a copy expect few each.
const double Edges[SelectionCheck::Bins + 1] = {0.0, 0.5, 0.75, 0.9, 1.1, 1.25, 1.5, 2.0, CommunitySize};
}

double SelectionCheck::Bin::spread() const
{
    return std::sqrt(varianceTotal) / samples;
}

SelectionCheck::SelectionCheck()
{
    reset();
}

int SelectionCheck::binOf(double expectedCopies)
{
    const int index = static_cast<int>(std::upper_bound(std::begin(Edges) + 1, std::end(Edges) - 1, expectedCopies)
                                       - std::begin(Edges)) - 1;
    return index;
}

void SelectionCheck::add(const GenerationTrace &trace)
{
    int drawn[CommunitySize] = {};
    for (int parent : trace.parents)
        ++drawn[parent];
    const double copiesPerPosition = double(CommunitySize) / double(trace.width);
    for (int membr = 0; membr < CommunitySize; ++membr) {
        const double expected = copiesPerPosition * double(trace.share(membr));
        Bin &into = bins[binOf(expected)];
        ++into.samples;
        into.expectedTotal += expected;
        into.observedTotal += drawn[membr];
        // Ten draws, each landing on the member with chance expected / 10.
        into.varianceTotal += expected * (1.0 - expected / CommunitySize);
    }
    ++count;
}

void SelectionCheck::reset()
{
    for (int index = 0; index < Bins; ++index)
        bins[index] = Bin{Edges[index], Edges[index + 1]};
    count = 0;
}
