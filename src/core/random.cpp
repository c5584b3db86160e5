// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <algorithm>
#include <array>
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
    skip(draws);
}

namespace {
// glibc's type 3 generator: each draw adds the word written 3 draws before to the
// one written 31 draws before, modulo 2^32. Word n of that sequence is a sum of the
// 31 words in the state with the coefficients of x^n modulo x^31 - x^28 - 1.
constexpr int Degree = 31;
constexpr int Separation = 3;
constexpr int StateTypes = 5; // glibc's MAX_TYPES, in the header word of a saved state
constexpr int Type3 = 3;

using Polynomial = std::array<uint32_t, Degree>;

Polynomial multiplied(const Polynomial &a, const Polynomial &b)
{
    uint32_t product[2 * Degree - 1] = {};
    for (int i = 0; i < Degree; ++i) {
        for (int j = 0; j < Degree; ++j)
            product[i + j] += a[i] * b[j];
    }
    // x^n = x^(n - 3) + x^(n - 31)
    for (int n = 2 * Degree - 2; n >= Degree; --n) {
        product[n - Separation] += product[n];
        product[n - Degree] += product[n];
    }
    Polynomial reduced;
    std::copy(product, product + Degree, reduced.begin());
    return reduced;
}

Polynomial power(long long exponent)
{
    Polynomial result{};
    result[0] = 1;
    Polynomial square{};
    square[1] = 1;
    for (; exponent > 0; exponent >>= 1) {
        if (exponent & 1)
            result = multiplied(result, square);
        square = multiplied(square, square);
    }
    return result;
}
}

// Oldest word first: the one at fptr, which the next draw replaces.
void Random::skip(long long draws)
{
    if (draws <= 0)
        return;
    const int front = static_cast<int>(data.fptr - data.state);
    const int rear = static_cast<int>(data.rptr - data.state);
    uint32_t words[Degree];
    for (int word = 0; word < Degree; ++word)
        words[word] = static_cast<uint32_t>(data.state[(front + word) % Degree]);
    const int turn = static_cast<int>(draws % Degree);
    Polynomial coefficients = power(draws);
    const Polynomial x{0, 1};
    for (int word = 0; word < Degree; ++word) {
        uint32_t value = 0;
        for (int term = 0; term < Degree; ++term)
            value += coefficients[term] * words[term];
        data.state[(front + turn + word) % Degree] = static_cast<int32_t>(value);
        coefficients = multiplied(coefficients, x);
    }
    data.fptr = data.state + (front + turn) % Degree;
    data.rptr = data.state + (rear + turn) % Degree;
    drawn += draws;
}

void Random::saveState(int32_t *words) const
{
    words[0] = Type3 + StateTypes * static_cast<int32_t>(data.rptr - data.state);
    std::copy(data.state, data.state + Degree, words + 1);
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

// The state is put together in a generator of our own and handed to rand() with
// setstate(), which keeps using that buffer. setstate() first saves the state it
// leaves into the buffer in use, so two buffers take turns.
void ProcessRandom::restore(unsigned seed, long long draws)
{
    static int32_t buffers[2][Random::StateWords];
    static int next = 0;
    Random restored(seed);
    restored.restore(seed, draws);
    restored.saveState(buffers[next]);
    setstate(reinterpret_cast<char *>(buffers[next]));
    next = 1 - next;
    processSeed = seed;
    processDraws = draws;
}
