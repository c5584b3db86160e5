// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain.h"
#include "generationstep.h"

#include <charconv>

const char ExplainHeader[] = "generation,child,parent,partner,split,flipped_bit,genome\n";

namespace {
const int IntegerMaxLength = 20;

char *writeField(char *out, long long value)
{
    out = std::to_chars(out, out + IntegerMaxLength, value).ptr;
    *out++ = ',';
    return out;
}
}

char *writeExplainRows(char *out, long long generation, const GenerationTrace &trace)
{
    for (int child = 0; child < CommunitySize; ++child) {
        out = writeField(out, generation);
        out = writeField(out, child);
        out = writeField(out, trace.parents[child]);
        out = writeField(out, trace.partner(child));
        out = writeField(out, trace.splits[child / 2]);
        if (trace.flipped[child] >= 0)
            out = std::to_chars(out, out + IntegerMaxLength, trace.flipped[child]).ptr;
        *out++ = ',';
        out = std::to_chars(out, out + IntegerMaxLength, trace.after[child]).ptr;
        *out++ = '\n';
    }
    return out;
}
