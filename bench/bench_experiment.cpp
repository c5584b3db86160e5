// SPDX-License-Identifier: GPL-3.0-or-later
// An experiment's cost per generation on one and two threads, against the headless
// recorder writing a row every generation to /dev/null: 1,000 runs of 500
// generations and one run of 500,000, each with its rows formatted. Wall time
// and the CPU time of the whole process, all threads.
#include "experiment.h"
#include "recordcommand.h"

#include <benchmark/benchmark.h>

namespace {
const long long Runs = 1000;
const long long Generations = 500;

void perGeneration(benchmark::State &state, long long generations)
{
    state.counters["per_generation"] = benchmark::Counter(double(generations) * double(state.iterations()),
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Recorder(benchmark::State &state)
{
    RecorderSettings settings;
    settings.generations = Runs * Generations;
    RecordingFiles files;
    files.csv = "/dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(recordToFile(settings, files, stderr));
    perGeneration(state, settings.generations);
}

void BM_Experiment(benchmark::State &state)
{
    ExperimentPlan plan;
    plan.seeds = Runs;
    plan.generations = Generations;
    for (auto _ : state) {
        Experiment experiment(plan);
        ExperimentSummary summary(plan);
        char row[RunCsvRowMaxLength];
        experiment.run(static_cast<int>(state.range(0)), [&](const RunResult &result) {
            benchmark::DoNotOptimize(writeRunRow(row, plan, result));
            summary.add(result);
            return true;
        });
    }
    perGeneration(state, Runs * Generations);
}
}

BENCHMARK(BM_Recorder)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_Experiment)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK_MAIN();
