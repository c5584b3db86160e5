// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HISTORYMARKERS_H
#define HISTORYMARKERS_H

#include <QString>

#include <deque>

// Where something happened to a run: the landscape changed, new genes were drawn,
// a parameter changed, the run restarted. A change like the one just before it,
// within MergeMilliseconds of it, extends that marker instead of making another,
// so that a held shift button or a dragged slider leaves one mark.
struct HistoryMarker
{
    enum Kind { Landscape, Genes, Parameter, Restart };

    Kind kind;
    long long generation;
    QString subject;  // what happened, or for a parameter its name
    int from = 0;     // a parameter's values before and after
    int to = 0;
    int times = 1;
    qint64 lastMillisecond = 0;

    QString text() const;
};

class HistoryMarkers
{
public:
    static constexpr int MergeMilliseconds = 1000;
    static constexpr int MostMarkers = 500; // the oldest go first

    // now: a steadily rising clock in milliseconds.
    void add(HistoryMarker::Kind kind, long long generation, const QString &subject, qint64 now);
    void addParameter(long long generation, const QString &name, int from, int to, qint64 now);
    void clear() { markers.clear(); }

    int count() const { return static_cast<int>(markers.size()); }
    const HistoryMarker &at(int index) const { return markers[static_cast<std::size_t>(index)]; }

private:
    HistoryMarker *mergeable(HistoryMarker::Kind kind, const QString &subject, qint64 now);
    void append(const HistoryMarker &marker);

    std::deque<HistoryMarker> markers;
};

#endif
