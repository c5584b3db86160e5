// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPLAIN_H
#define EXPLAIN_H

#include "sizes.h"

#include <cstddef>

struct GenerationTrace;

// One row per child of a generation: the draw it took its bits from the split
// upward from (parent), the pair's other draw (partner), the pair's split, the
// bit its mutation flipped (empty when it did not mutate) and its genome value.
extern const char ExplainHeader[];
constexpr std::size_t ExplainRowMaxLength = 48;
constexpr std::size_t ExplainRowsMaxLength = CommunitySize * ExplainRowMaxLength;
// Writes the ten rows of the generation that trace made into out; returns the end.
char *writeExplainRows(char *out, long long generation, const GenerationTrace &trace);

#endif
