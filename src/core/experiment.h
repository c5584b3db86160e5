// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENT_H
#define EXPERIMENT_H

#include "generationrecord.h"
#include "parameters.h"
#include "sizes.h"
#include "stoprequest.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// One parameter and the values it takes, as stored (fitness 100 as 99), in the order given.
struct Variation
{
    const Parameter *parameter = nullptr;
    std::vector<int> values;
};

// "NAME=V1,V2,...", each value checked like the parameter's own option; false with
// a one-line reason in error.
bool parseVariation(const std::string &text, Variation &variation, std::string &error);
// "V1,V2,..." for the given parameter.
bool parseValues(const Parameter &parameter, const std::string &text, Variation &variation, std::string &error);

// Part K of N of the run order: the runs whose index i has i mod N = K - 1.
struct Shard
{
    long long index = 1;
    long long count = 1;
};

// "K/N" with 1 <= K <= N.
bool parseShard(const std::string &text, Shard &shard, std::string &error);

int highestValue(const int *landscape);

// Many runs on one landscape: every combination of the varied values, the first
// variation outermost and values in the order given, each with the seeds firstSeed
// to firstSeed + seeds - 1 in ascending order. That is the run order.
struct ExperimentPlan
{
    ExperimentPlan(); // on the start-up tent

    int landscape[LandscapeSize];
    Settings base;                    // the parameters that do not vary
    std::vector<Variation> variations;
    unsigned firstSeed = 1;
    long long seeds = 1;
    long long generations = 0;
    std::optional<int> target;        // none: the landscape's highest value
    Shard shard;

    static constexpr std::size_t MostVariations = 2;

    // False with a one-line reason when the plan cannot run.
    bool check(std::string &error) const;

    int targetValue() const;
    int combinations() const;
    Settings settings(int combination) const;
    // Runs in the whole order, and those the shard keeps.
    long long totalRuns() const;
    long long shardRuns() const;
    // The index in the whole order of the shard's run number kept.
    long long runIndex(long long kept) const { return kept * shard.count + shard.index - 1; }
    int combinationOf(long long index) const { return static_cast<int>(index / seeds); }
    unsigned seedOf(long long index) const { return static_cast<unsigned>(firstSeed + index % seeds); }
};

// What one run came to.
struct RunResult
{
    long long index = 0;   // in the whole run order
    unsigned seed = 0;
    int combination = 0;
    long long hit = -1;    // the first generation whose best reached the target; -1: none
    GenerationRecord last; // after the plan's generations
};

// The run of the given index, whole; none when stop was set first.
std::optional<RunResult> runOne(const ExperimentPlan &plan, long long index, const StopRequest *stop = nullptr);

// The per-run CSV: the run's seed, parameters as stored, generations and hit (empty
// when none), then the recorder's columns for the last generation.
extern const char RunCsvHeader[];
constexpr std::size_t RunCsvRowMaxLength = CsvRowMaxLength + 96;
char *writeRunRow(char *out, const ExperimentPlan &plan, const RunResult &result);

// For each generation, how many runs first reached the target there.
class RunLengths
{
public:
    void add(long long generation);
    long long hits() const { return total; }
    // The hit generation of the given rank, 1 the earliest, among the runs that hit.
    long long atRank(long long rank) const;
    const std::map<long long, long long> &counts() const { return firstHits; }

private:
    std::map<long long, long long> firstHits;
    long long total = 0;
};

struct RateInterval
{
    double low;
    double high;
};

// Wilson's 95 % score interval for hits out of runs (runs > 0).
RateInterval wilsonInterval(long long hits, long long runs);

// The runs of one combination.
struct CombinationSummary
{
    Settings settings;
    long long runs = 0;
    long long bestTotal = 0; // of the last generation's best
    RunLengths runLengths;

    long long hits() const { return runLengths.hits(); }
    double hitRate() const { return double(hits()) / double(runs); }
    RateInterval interval() const { return wilsonInterval(hits(), runs); }
    double meanBest() const { return double(bestTotal) / double(runs); }
    // By nearest rank among the runs that hit: the hit generation that percent of them reached by.
    long long hitPercentile(int percent) const;
};

class ExperimentSummary
{
public:
    explicit ExperimentSummary(const ExperimentPlan &plan);

    void add(const RunResult &result);
    const std::vector<CombinationSummary> &combinations() const { return summaries; }
    // The header and a row per combination; see the .cpp for the columns.
    std::string csv() const;

private:
    std::vector<CombinationSummary> summaries;
};

extern const char SummaryCsvHeader[];

int defaultThreadCount();

// Runs a checked plan's shard on worker threads, each run on its own generator, so
// the results do not depend on how many threads there are.
class Experiment
{
public:
    // Takes each result in run order; false stops the experiment.
    using Deliver = std::function<bool(const RunResult &)>;

    explicit Experiment(const ExperimentPlan &plan);
    ~Experiment();

    long long size() const { return total; }

    // Runs everything on threads workers (0: one per core) and hands the results to
    // deliver on the calling thread as soon as all before them are done. Returns
    // whether every run was delivered. Call once.
    bool run(int threads, const Deliver &deliver);
    // From any thread: run() ends soon and returns false.
    void cancel();
    // Runs done so far; from any thread.
    long long finished() const { return done.load(std::memory_order_relaxed); }

private:
    struct Slot;

    void work();
    void halt();

    const ExperimentPlan setup;
    const long long total;
    long long capacity = 0;
    std::unique_ptr<Slot[]> ring;
    std::atomic<long long> next{0};
    std::atomic<long long> delivered{0};
    std::atomic<long long> done{0};
    StopRequest stopping;
    std::atomic<bool> cancelRequested{false};
    std::mutex mutex;
    std::condition_variable resultReady;
    std::condition_variable roomFree;
};

#endif
