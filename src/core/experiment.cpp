// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment.h"
#include "message.h"
#include "run.h"
#include "startstate.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <thread>

const char RunCsvHeader[] = "seed,fitness,mutation,bias,generations,hit,best,mean,worst,diversity,"
                            "m0,m1,m2,m3,m4,m5,m6,m7,m8,m9\n";

// A row per combination. The hit rate and its interval have four decimals, the
// mean best three, like the recorder's mean; the quartiles are generations.
// Without runs (a shard may have none of a combination) the figures are empty,
// and so are the quartiles when no run hit.
const char SummaryCsvHeader[] = "fitness,mutation,bias,runs,hits,hit_rate,hit_rate_low,hit_rate_high,"
                                "median_hit,q1_hit,q3_hit,mean_best\n";

namespace {
const long long GenerationsBetweenChecks = 1 << 12;
const long long SlotsPerWorker = 256; // results that may wait for delivery, per worker
const double Z95 = 1.959964;
const int RateDecimals = 4;
const int MeanDecimals = 3;
const int NumberLength = 24;

std::string trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A whole number with an optional sign, blanks around it allowed.
bool parseNumber(const std::string &text, long long &value)
{
    std::string number = trimmed(text);
    if (number.size() > 1 && number[0] == '+' && number[1] != '-')
        number.erase(0, 1);
    const char *end = number.data() + number.size();
    const auto [stop, failure] = std::from_chars(number.data(), end, value);
    return !number.empty() && failure == std::errc() && stop == end;
}

const char Context[] = "Experiment";

std::string parameterNames()
{
    static_assert(std::size(Parameters::All) == 3, "the names are listed as three");
    return message(Context, QT_TRANSLATE_NOOP("Experiment", "%1, %2 or %3"),
                   {Parameters::All[0]->name, Parameters::All[1]->name, Parameters::All[2]->name});
}

std::string rangeError(const Parameter &parameter, const std::string &value)
{
    return message(Context, QT_TRANSLATE_NOOP("Experiment", "%1 takes whole numbers from %2 to %3, not '%4'"),
                   {parameter.name, std::to_string(parameter.min), std::to_string(parameter.offered), value});
}

bool shardInRange(const Shard &shard)
{
    return shard.count >= 1 && shard.index >= 1 && shard.index <= shard.count;
}

std::string shardError(const std::string &text)
{
    return message(Context, QT_TRANSLATE_NOOP("Experiment", "the shard K/N needs whole numbers with 1 <= K <= N, not '%1'"),
                   {text});
}

char *writeNumber(char *out, long long value)
{
    return std::to_chars(out, out + NumberLength, value).ptr;
}

void appendNumber(std::string &text, long long value)
{
    char number[NumberLength];
    text.append(number, writeNumber(number, value));
}

void appendFixed(std::string &text, double value, int decimals)
{
    char number[NumberLength + 16];
    text.append(number, std::to_chars(number, number + sizeof number, value, std::chars_format::fixed, decimals).ptr);
}
}

bool parseValues(const Parameter &parameter, const std::string &text, Variation &variation, std::string &error)
{
    const std::string name = parameter.name;
    if (trimmed(text).empty()) {
        error = message(Context, QT_TRANSLATE_NOOP("Experiment", "%1: no values given"), {name});
        return false;
    }
    Variation parsed{&parameter, {}};
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string item = trimmed(text.substr(start, comma == std::string::npos ? comma : comma - start));
        long long value = 0;
        if (item.empty()) {
            error = message(Context, QT_TRANSLATE_NOOP("Experiment", "%1: an empty value in '%2'"), {name, text});
            return false;
        }
        if (!parseNumber(item, value) || !parameter.accepts(value)) {
            error = rangeError(parameter, item);
            return false;
        }
        const int stored = parameter.store(static_cast<int>(value));
        if (std::find(parsed.values.begin(), parsed.values.end(), stored) != parsed.values.end()) {
            error = stored != value
                        ? message(Context, QT_TRANSLATE_NOOP("Experiment", "%1: %2 is stored as %3, which is already in the list"),
                                  {name, item, std::to_string(stored)})
                        : message(Context, QT_TRANSLATE_NOOP("Experiment", "%1: %2 is already in the list"), {name, item});
            return false;
        }
        parsed.values.push_back(stored);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    variation = parsed;
    return true;
}

bool parseVariation(const std::string &text, Variation &variation, std::string &error)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        error = message(Context, QT_TRANSLATE_NOOP("Experiment", "'%1' is not NAME=V1,V2,... with NAME %2"),
                        {text, parameterNames()});
        return false;
    }
    const std::string name = trimmed(text.substr(0, equals));
    for (const Parameter *parameter : Parameters::All) {
        if (name == parameter->name)
            return parseValues(*parameter, text.substr(equals + 1), variation, error);
    }
    error = message(Context, QT_TRANSLATE_NOOP("Experiment", "unknown parameter '%1': it is %2"), {name, parameterNames()});
    return false;
}

bool parseShard(const std::string &text, Shard &shard, std::string &error)
{
    const std::size_t slash = text.find('/');
    Shard parsed;
    if (slash == std::string::npos || !parseNumber(text.substr(0, slash), parsed.index)
        || !parseNumber(text.substr(slash + 1), parsed.count) || !shardInRange(parsed)) {
        error = shardError(text);
        return false;
    }
    shard = parsed;
    return true;
}

int highestValue(const int *landscape)
{
    return *std::max_element(landscape, landscape + LandscapeSize);
}

ExperimentPlan::ExperimentPlan()
{
    fillStartLandscape(landscape);
}

bool ExperimentPlan::check(std::string &error) const
{
    if (variations.size() > MostVariations) {
        error = message(Context, QT_TRANSLATE_NOOP("Experiment", "at most %1 parameters can vary, not %2"),
                        {std::to_string(MostVariations), std::to_string(variations.size())});
        return false;
    }
    for (std::size_t index = 0; index < variations.size(); ++index) {
        const Variation &variation = variations[index];
        if (!variation.parameter || variation.values.empty()) {
            error = message(Context, QT_TRANSLATE_NOOP("Experiment", "%1: no values given"),
                            {variation.parameter ? std::string(variation.parameter->name)
                                                 : message(Context, QT_TRANSLATE_NOOP("Experiment", "a varied parameter"))});
            return false;
        }
        for (int value : variation.values) {
            if (value < variation.parameter->min || value > variation.parameter->max) {
                error = rangeError(*variation.parameter, std::to_string(value));
                return false;
            }
        }
        for (std::size_t other = 0; other < index; ++other) {
            if (variations[other].parameter == variation.parameter) {
                error = message(Context, QT_TRANSLATE_NOOP("Experiment", "%1 varies twice"), {variation.parameter->name});
                return false;
            }
        }
    }
    for (const Parameter *parameter : Parameters::All) {
        const int value = base.value(*parameter);
        if (value < parameter->min || value > parameter->max) {
            error = rangeError(*parameter, std::to_string(value));
            return false;
        }
    }
    if (seeds < 1) {
        error = message(Context, QT_TRANSLATE_NOOP("Experiment", "the number of seeds must be at least 1, not %1"),
                        {std::to_string(seeds)});
        return false;
    }
    if (seeds - 1 > static_cast<long long>(UINT_MAX - firstSeed)) {
        error = message(Context, QT_TRANSLATE_NOOP("Experiment", "%1 seeds from %2 go beyond the last seed, %3"),
                        {std::to_string(seeds), std::to_string(firstSeed), std::to_string(UINT_MAX)});
        return false;
    }
    if (generations < 0) {
        error = message(Context, QT_TRANSLATE_NOOP("Experiment", "the number of generations cannot be negative, not %1"),
                        {std::to_string(generations)});
        return false;
    }
    if (!shardInRange(shard)) {
        error = shardError(std::to_string(shard.index) + "/" + std::to_string(shard.count));
        return false;
    }
    return true;
}

int ExperimentPlan::targetValue() const
{
    return target ? *target : highestValue(landscape);
}

int ExperimentPlan::combinations() const
{
    int count = 1;
    for (const Variation &variation : variations)
        count *= static_cast<int>(variation.values.size());
    return count;
}

// The last variation changes fastest.
Settings ExperimentPlan::settings(int combination) const
{
    Settings settings = base;
    for (auto variation = variations.rbegin(); variation != variations.rend(); ++variation) {
        const int count = static_cast<int>(variation->values.size());
        settings.set(*variation->parameter, variation->values[combination % count]);
        combination /= count;
    }
    return settings;
}

long long ExperimentPlan::totalRuns() const
{
    return combinations() * seeds;
}

long long ExperimentPlan::shardRuns() const
{
    const long long first = shard.index - 1;
    return totalRuns() > first ? (totalRuns() - first - 1) / shard.count + 1 : 0;
}

std::optional<RunResult> runOne(const ExperimentPlan &plan, long long index, const StopRequest *stop)
{
    RunResult result;
    result.index = index;
    result.seed = plan.seedOf(index);
    result.combination = plan.combinationOf(index);
    Run run(plan.landscape, plan.settings(result.combination), result.seed);
    run.setDiagnostics(nullptr);
    const int target = plan.targetValue();
    if (run.best() >= target)
        result.hit = 0;
    while (run.generation() < plan.generations) {
        run.step();
        if (result.hit < 0 && run.best() >= target)
            result.hit = run.generation();
        if (run.generation() % GenerationsBetweenChecks == 0 && stopRequested(stop))
            return std::nullopt;
    }
    result.last = run.record();
    return result;
}

char *writeRunRow(char *out, const ExperimentPlan &plan, const RunResult &result)
{
    const Settings settings = plan.settings(result.combination);
    for (long long value : {static_cast<long long>(result.seed), static_cast<long long>(settings.fitness),
                            static_cast<long long>(settings.mutation), static_cast<long long>(settings.bias),
                            plan.generations}) {
        out = writeNumber(out, value);
        *out++ = ',';
    }
    if (result.hit >= 0)
        out = writeNumber(out, result.hit);
    *out++ = ',';
    return writeCsvState(out, result.last);
}

void RunLengths::add(long long generation)
{
    ++firstHits[generation];
    ++total;
}

long long RunLengths::atRank(long long rank) const
{
    long long seen = 0;
    for (const auto &[generation, count] : firstHits) {
        seen += count;
        if (seen >= rank)
            return generation;
    }
    return -1;
}

RateInterval wilsonInterval(long long hits, long long runs)
{
    const double n = double(runs);
    const double rate = double(hits) / n;
    const double z2 = Z95 * Z95;
    const double denominator = 1 + z2 / n;
    const double centre = (rate + z2 / (2 * n)) / denominator;
    const double half = Z95 * std::sqrt(rate * (1 - rate) / n + z2 / (4 * n * n)) / denominator;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

long long CombinationSummary::hitPercentile(int percent) const
{
    const long long rank = (percent * hits() + 99) / 100;
    return runLengths.atRank(std::max(rank, 1LL));
}

ExperimentSummary::ExperimentSummary(const ExperimentPlan &plan)
    : summaries(static_cast<std::size_t>(plan.combinations()))
{
    for (std::size_t combination = 0; combination < summaries.size(); ++combination)
        summaries[combination].settings = plan.settings(static_cast<int>(combination));
}

void ExperimentSummary::add(const RunResult &result)
{
    CombinationSummary &summary = summaries[static_cast<std::size_t>(result.combination)];
    ++summary.runs;
    summary.bestTotal += result.last.best;
    if (result.hit >= 0)
        summary.runLengths.add(result.hit);
}

std::string ExperimentSummary::csv() const
{
    std::string text = SummaryCsvHeader;
    for (const CombinationSummary &summary : summaries) {
        for (long long value : {summary.settings.fitness, summary.settings.mutation, summary.settings.bias}) {
            appendNumber(text, value);
            text += ',';
        }
        appendNumber(text, summary.runs);
        text += ',';
        appendNumber(text, summary.hits());
        if (summary.runs > 0) {
            const RateInterval interval = summary.interval();
            for (double rate : {summary.hitRate(), interval.low, interval.high}) {
                text += ',';
                appendFixed(text, rate, RateDecimals);
            }
        } else {
            text += ",,,";
        }
        for (int percent : {50, 25, 75}) {
            text += ',';
            if (summary.hits() > 0)
                appendNumber(text, summary.hitPercentile(percent));
        }
        text += ',';
        if (summary.runs > 0)
            appendFixed(text, summary.meanBest(), MeanDecimals);
        text += '\n';
    }
    return text;
}

int defaultThreadCount()
{
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// A result waiting for delivery; ready holds the number of the run it holds.
struct Experiment::Slot
{
    RunResult result;
    std::atomic<long long> ready{-1};
};

Experiment::Experiment(const ExperimentPlan &plan)
    : setup(plan), total(plan.shardRuns())
{
}

Experiment::~Experiment() = default;

// Runs are numbered within the shard. Worker threads take the next number and
// put the result in the slot of that number; a worker that is a whole ring of
// slots ahead of delivery waits for room, so memory stays bounded.
bool Experiment::run(int threads, const Deliver &deliver)
{
    if (threads <= 0)
        threads = defaultThreadCount();
    const long long workers = std::min<long long>(threads, total);
    capacity = std::max(1LL, std::min(total, SlotsPerWorker * workers));
    ring = std::make_unique<Slot[]>(static_cast<std::size_t>(capacity));
    std::vector<std::thread> pool;
    for (long long worker = 0; worker < workers; ++worker)
        pool.emplace_back(&Experiment::work, this);

    long long number = 0;
    for (; number < total; ++number) {
        Slot &slot = ring[static_cast<std::size_t>(number % capacity)];
        {
            std::unique_lock<std::mutex> lock(mutex);
            resultReady.wait(lock, [&] { return slot.ready.load() == number || stopping.requested(); });
        }
        if (stopping.requested() || (deliver && !deliver(slot.result)))
            break;
        {
            std::lock_guard<std::mutex> lock(mutex);
            delivered.store(number + 1);
        }
        roomFree.notify_all();
    }
    halt();
    for (std::thread &worker : pool)
        worker.join();
    return number == total && !cancelRequested.load();
}

void Experiment::cancel()
{
    cancelRequested.store(true);
    halt();
}

void Experiment::halt()
{
    stopping.request();
    {
        std::lock_guard<std::mutex> lock(mutex);
    }
    resultReady.notify_all();
    roomFree.notify_all();
}

void Experiment::work()
{
    for (;;) {
        const long long number = next.fetch_add(1, std::memory_order_relaxed);
        if (number >= total || stopping.requested())
            return;
        if (number >= delivered.load() + capacity) {
            std::unique_lock<std::mutex> lock(mutex);
            roomFree.wait(lock, [&] { return number < delivered.load() + capacity || stopping.requested(); });
            if (stopping.requested())
                return;
        }
        const std::optional<RunResult> result = runOne(setup, setup.runIndex(number), &stopping);
        if (!result)
            return;
        Slot &slot = ring[static_cast<std::size_t>(number % capacity)];
        slot.result = *result;
        slot.ready.store(number);
        done.fetch_add(1, std::memory_order_relaxed);
        {
            std::lock_guard<std::mutex> lock(mutex);
        }
        resultReady.notify_one();
    }
}
