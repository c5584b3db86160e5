// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentcommand.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {
const std::chrono::milliseconds ProgressInterval(250);
const std::chrono::milliseconds StopCheckInterval(50);
const int SecondsPerMinute = 60;
const int SecondsPerHour = 3600;

int cannotWrite(const SafeFile &file)
{
    const QString message = QCoreApplication::translate("main", "cannot write '%1': %2").arg(file.displayName(), file.errorString());
    std::fprintf(stderr, "vezo-vizoziv: %s\n", qPrintable(message));
    return 1;
}

std::string duration(long long seconds)
{
    char text[32];
    if (seconds >= SecondsPerHour)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / SecondsPerHour,
                      seconds / SecondsPerMinute % SecondsPerMinute, seconds % SecondsPerMinute);
    else if (seconds >= SecondsPerMinute)
        std::snprintf(text, sizeof text, "%lld:%02lld", seconds / SecondsPerMinute, seconds % SecondsPerMinute);
    else
        std::snprintf(text, sizeof text, "%lld s", seconds);
    return text;
}

QString progressLine(long long done, long long total, double rate, const std::string &left)
{
    // The count chooses the plural form; the text shows it whole.
    const int form = static_cast<int>(std::min<long long>(total, INT_MAX));
    return QCoreApplication::translate("main", "%L1 of %L2 run(s), %L3 runs per second, %4 left", nullptr, form)
        .arg(done)
        .arg(total)
        .arg(rate, 0, 'f', 0)
        .arg(QString::fromStdString(left));
}

// Watches a running experiment from a thread of its own: cancels it soon after an
// interruption, and, with progress, keeps one line on standard error rewritten in
// place, cleared at the end.
class ExperimentWatch
{
public:
    ExperimentWatch(Experiment &experiment, const StopRequest *stop, bool progress)
        : experiment(experiment), stop(stop), progress(progress),
          start(std::chrono::steady_clock::now()), thread(&ExperimentWatch::watch, this)
    {
    }

    ~ExperimentWatch()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            ended = true;
        }
        wake.notify_one();
        thread.join();
        if (progress) {
            std::fputs("\r\033[K", stderr);
            std::fflush(stderr);
        }
    }

private:
    void watch()
    {
        std::unique_lock<std::mutex> lock(mutex);
        auto shown = start;
        while (!wake.wait_for(lock, StopCheckInterval, [this] { return ended; })) {
            if (stopRequested(stop))
                experiment.cancel();
            const auto now = std::chrono::steady_clock::now();
            if (!progress || now - shown < ProgressInterval)
                continue;
            shown = now;
            const long long done = experiment.finished();
            const long long total = experiment.size();
            const double rate = done / std::chrono::duration<double>(now - start).count();
            const std::string left = done > 0 ? duration(static_cast<long long>((total - done) / rate)) : "?";
            std::fprintf(stderr, "\r%s\033[K", qPrintable(progressLine(done, total, rate, left)));
            std::fflush(stderr);
        }
    }

    Experiment &experiment;
    const StopRequest *stop;
    const bool progress;
    const std::chrono::steady_clock::time_point start;
    std::mutex mutex;
    std::condition_variable wake;
    bool ended = false;
    std::thread thread;
};
}

int runExperimentCommand(const ExperimentPlan &plan, int threads, const QByteArray &csv, const QByteArray &summary,
                         const StopRequest *stop)
{
    SafeFile rows(csv, SafeFile::RegularFilesAndStreams);
    if (!rows.open())
        return cannotWrite(rows);
    std::unique_ptr<SafeFile> summaryFile;
    if (!summary.isEmpty()) {
        summaryFile = std::make_unique<SafeFile>(summary, SafeFile::RegularFilesAndStreams);
        if (!summaryFile->open())
            return cannotWrite(*summaryFile);
    }

    Experiment experiment(plan);
    ExperimentSummary totals(plan);
    SafeFileSink sink(rows);
    RowBuffer buffer(sink);
    bool written = buffer.write(RunCsvHeader, std::strlen(RunCsvHeader));
    {
        // Not over rows that go to the same terminal.
        const bool showProgress = isatty(STDERR_FILENO) && !(csv.isEmpty() && isatty(STDOUT_FILENO));
        const ExperimentWatch watch(experiment, stop, showProgress);
        experiment.run(threads, [&](const RunResult &result) {
            totals.add(result);
            written = written && buffer.add(RunCsvRowMaxLength, [&](char *out) { return writeRunRow(out, plan, result); });
            return written && !stopRequested(stop);
        });
    }
    if (stopRequested(stop)) {
        if (written && rows.isStream())
            buffer.flush();
        const QString message = rows.isStream()
                                    ? QCoreApplication::translate("main", "interrupted; '%1' holds whole rows up to there")
                                    : QCoreApplication::translate("main", "interrupted; '%1' is as it was");
        std::fprintf(stderr, "vezo-vizoziv: %s\n", qPrintable(message.arg(rows.displayName())));
        return 1;
    }
    if (!written || !buffer.flush() || !rows.commit())
        return cannotWrite(rows);
    if (summaryFile && (!summaryFile->write(QByteArray::fromStdString(totals.csv())) || !summaryFile->commit()))
        return cannotWrite(*summaryFile);
    return 0;
}
