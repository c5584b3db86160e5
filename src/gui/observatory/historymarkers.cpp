// SPDX-License-Identifier: GPL-3.0-or-later
#include "historymarkers.h"

#include <QCoreApplication>

QString HistoryMarker::text() const
{
    if (kind == Parameter)
        return QCoreApplication::translate("HistoryMarkers", "%1 %2 → %3").arg(subject).arg(from).arg(to);
    if (times > 1)
        return QCoreApplication::translate("HistoryMarkers", "%1 (%Ln times)", nullptr, times).arg(subject);
    return subject;
}

void HistoryMarkers::add(HistoryMarker::Kind kind, long long generation, const QString &subject, qint64 now)
{
    if (HistoryMarker *last = mergeable(kind, subject, now)) {
        ++last->times;
        return;
    }
    append(HistoryMarker{kind, generation, subject, 0, 0, 1, now});
}

void HistoryMarkers::addParameter(long long generation, const QString &name, int from, int to, qint64 now)
{
    if (HistoryMarker *last = mergeable(HistoryMarker::Parameter, name, now)) {
        last->to = to;
        ++last->times;
        return;
    }
    append(HistoryMarker{HistoryMarker::Parameter, generation, name, from, to, 1, now});
}

HistoryMarker *HistoryMarkers::mergeable(HistoryMarker::Kind kind, const QString &subject, qint64 now)
{
    if (markers.empty())
        return nullptr;
    HistoryMarker &last = markers.back();
    if (last.kind != kind || last.subject != subject || now - last.lastMillisecond >= MergeMilliseconds)
        return nullptr;
    last.lastMillisecond = now;
    return &last;
}

void HistoryMarkers::append(const HistoryMarker &marker)
{
    markers.push_back(marker);
    if (markers.size() > MostMarkers)
        markers.pop_front();
}
