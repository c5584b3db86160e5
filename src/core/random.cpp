// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <cstring>

Random::Random(unsigned seed)
    : data(), seeded(seed), drawn(0)
{
    initstate_r(seed, reinterpret_cast<char *>(state), sizeof state, &data);
}

Random::Random(const Random &other)
    : data(), seeded(0), drawn(0)
{
    *this = other;
}

// random_data points into the state: copy the state, then point into the copy.
Random &Random::operator=(const Random &other)
{
    std::memcpy(state, other.state, sizeof state);
    data = other.data;
    const auto moved = [&](int32_t *pointer) { return state + (pointer - other.state); };
    data.fptr = moved(other.data.fptr);
    data.rptr = moved(other.data.rptr);
    data.state = moved(other.data.state);
    data.end_ptr = moved(other.data.end_ptr);
    seeded = other.seeded;
    drawn = other.drawn;
    return *this;
}

void Random::seed(unsigned seed)
{
    srandom_r(seed, &data);
    seeded = seed;
    drawn = 0;
}

void Random::restore(unsigned seed, long long draws)
{
    this->seed(seed);
    for (long long draw = 0; draw < draws; ++draw)
        (*this)();
}

namespace {
unsigned processSeed = 1; // glibc's sequence before any srand() is that of seed 1
long long processDraws = 0;
}

void ProcessRandom::seed(unsigned seed)
{
    srand(seed);
    processSeed = seed;
    processDraws = 0;
}

int ProcessRandom::draw()
{
    ++processDraws;
    return rand();
}

unsigned ProcessRandom::seedValue()
{
    return processSeed;
}

long long ProcessRandom::draws()
{
    return processDraws;
}

void ProcessRandom::restore(unsigned seed, long long draws)
{
    ProcessRandom::seed(seed);
    for (long long count = 0; count < draws; ++count)
        draw();
}
