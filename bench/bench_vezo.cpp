// SPDX-License-Identifier: GPL-3.0-or-later
// One generation on the start-up landscape, from the start-up community and from the
// community that gives that landscape's widest wheel: one member at genome 0, nine on
// the peak (115,038 positions at multiplier 99).
#include "genomes.h"
#include "tablevezo.h"
#include "vezo.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

extern "C" void *__libc_malloc(std::size_t size);

namespace {
std::atomic<long> allocations{0};

const QList<int> startUp = {42, 2, 22, 76, 220, 471, 54, 394, 240, 222};
const QList<int> widest = {0, 256, 256, 256, 256, 256, 256, 256, 256, 256};

// Each generation starts from a fresh copy of the start-up community. The copies
// rotate through a ring so that a copy is refilled long before it is read again,
// as in the program, where a generation reads what the previous one wrote an
// event-loop turn earlier.
template<typename Generation>
void runGenerations(benchmark::State &state, const QList<int> &members, Generation generation)
{
    int tent[512];
    fillTent(tent);
    int start[10][9];
    setCommunity(start, members);
    static int ring[256][10][9];
    for (auto &community : ring)
        std::memcpy(community, start, sizeof start);
    const int multiplier = static_cast<int>(state.range(0));
    srand(3521);

    std::size_t turn = 0;
    auto oneGeneration = [&] {
        int (*community)[9] = ring[turn++ % 256];
        generation(multiplier, tent, community);
        benchmark::DoNotOptimize(community);
        std::memcpy(community, start, sizeof start);
    };
    for (auto _ : state)
        oneGeneration();

    const long before = allocations.load();
    const int counted = 1000;
    for (int i = 0; i < counted; ++i)
        oneGeneration();
    state.counters["allocs_per_generation"] = double(allocations.load() - before) / counted;
}

void walkedGeneration(int multiplier, int *landscape, int (*community)[9])
{
    vezo(25, 1, multiplier, landscape, community, 0, 0, 0, 0);
}

void tabledGeneration(int multiplier, int *landscape, int (*community)[9])
{
    table_vezo(25, 1, multiplier, landscape, community);
}

void BM_Generation(benchmark::State &state)
{
    runGenerations(state, startUp, walkedGeneration);
}

void BM_TableGeneration(benchmark::State &state)
{
    runGenerations(state, startUp, tabledGeneration);
}

void BM_WidestGeneration(benchmark::State &state)
{
    runGenerations(state, widest, walkedGeneration);
}

void BM_WidestTableGeneration(benchmark::State &state)
{
    runGenerations(state, widest, tabledGeneration);
}

// The floor: the 25 random numbers that a generation without mutation hits draws.
void BM_RandFloor(benchmark::State &state)
{
    srand(3521);
    for (auto _ : state) {
        for (int i = 0; i < 25; ++i)
            benchmark::DoNotOptimize(rand());
    }
}
}

// Counts every heap allocation of the process; operator new comes through here too.
extern "C" void *malloc(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

BENCHMARK(BM_Generation)->Arg(1)->Arg(20)->Arg(99);
BENCHMARK(BM_TableGeneration)->Arg(1)->Arg(20)->Arg(99);
BENCHMARK(BM_WidestGeneration)->Arg(99);
BENCHMARK(BM_WidestTableGeneration)->Arg(99);
BENCHMARK(BM_RandFloor);
BENCHMARK_MAIN();
