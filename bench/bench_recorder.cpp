// SPDX-License-Identifier: GPL-3.0-or-later
// The headless recorder against the bare generation loop it wraps: 3,000,000
// generations with one row at the end, and 500,000 with a row each, written to
// /dev/null.
#include "recordcommand.h"
#include "startstate.h"
#include "vezo.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {
void bareLoop(long long generations)
{
    int landscape[LandscapeSize];
    for (int index = 0; index < LandscapeSize; ++index)
        landscape[index] = startLandscapeValue(index);
    Genome community[CommunitySize];
    srand(StartSeed);
    drawGenomes(community);
    vezo_seed_next_generation(StartSeed);
    for (long long generation = 0; generation < generations; ++generation)
        vezo(25, 1, 20, landscape, community, 0, 0, 0, 0);
    benchmark::DoNotOptimize(community);
}

void BM_BareLoop(benchmark::State &state)
{
    for (auto _ : state)
        bareLoop(state.range(0));
}

void BM_Recorder(benchmark::State &state)
{
    RecorderSettings settings;
    settings.generations = state.range(0);
    settings.every = state.range(1);
    RecordingFiles files;
    files.csv = "/dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(recordToFile(settings, files, stderr));
}
}

BENCHMARK(BM_BareLoop)->Arg(3000000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recorder)->Args({3000000, 3000000})->Args({500000, 1})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
