// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapewatch.h"
#include "landscapename.h"
#include "mainwindow.h"

#include <algorithm>

namespace {
// A name as captions and marks show it: without control characters and those that
// turn the direction of text, which would garble or mirror what follows.
QString shownName(const QString &name)
{
    QString shown;
    for (const QChar c : name) {
        const bool turnsDirection = (c >= QChar(0x202A) && c <= QChar(0x202E)) || (c >= QChar(0x2066) && c <= QChar(0x2069))
                                    || c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C);
        if (c.category() != QChar::Other_Control && !turnsDirection)
            shown += c;
    }
    return shown;
}
}

LandscapeWatch::LandscapeWatch(MainWindow *window, QObject *parent)
    : QObject(parent), window(window), currentName(LandscapeName::preset(Preset::Tent)), referenceName(LandscapeName::startUp())
{
    std::copy(window->environment(), window->environment() + LandscapeSize, previous);
    const RunEvents *events = window->runEvents();
    connect(events, &RunEvents::landscapeChanged, this, &LandscapeWatch::follow);
    connect(events, &RunEvents::holdStarted, this, &LandscapeWatch::beginGroup);
    connect(events, &RunEvents::holdEnded, this, &LandscapeWatch::endGroup);
}

QString LandscapeWatch::describe(Change change, const QString &keptName)
{
    const QString name = LandscapeName::shown(keptName);
    switch (change) {
    case RunEvents::Loaded:
        return tr("Loaded %1").arg(name);
    case RunEvents::Reloaded:
        return tr("Reloaded: back to %1").arg(name);
    case RunEvents::ShiftedLeft:
        return tr("Landscape shifted left");
    case RunEvents::ShiftedRight:
        return tr("Landscape shifted right");
    case RunEvents::Raised:
        return tr("Landscape shifted up");
    case RunEvents::Lowered:
        return tr("Landscape shifted down");
    case RunEvents::Stroke:
        return tr("Landscape edited");
    case RunEvents::Preset:
    case RunEvents::Snapshot:
        return tr("Landscape: %1").arg(name);
    case RunEvents::Undone:
        return tr("Undone: back to %1").arg(name);
    case RunEvents::Redone:
        return tr("Redone: %1").arg(name);
    }
    return QString();
}

void LandscapeWatch::beginGroup()
{
    if (openGroup == 0)
        openGroup = ++groups;
}

void LandscapeWatch::endGroup()
{
    openGroup = 0;
}

void LandscapeWatch::follow(Change change, const QString &named)
{
    const int *now = window->environment();
    if (change != RunEvents::Loaded && std::equal(now, now + LandscapeSize, previous)) {
        if (!named.isEmpty())
            rename(named);
        return;
    }
    QString name = named;
    if (name.isEmpty())
        name = change == RunEvents::Reloaded ? referenceName : LandscapeName::edited();
    latestGroup = openGroup;
    int before[LandscapeSize];
    std::copy(previous, previous + LandscapeSize, before);
    std::copy(now, now + LandscapeSize, previous);
    const QString nameBefore = currentName;
    rename(name);
    emit changed(change, before, nameBefore);
}

void LandscapeWatch::setReferenceName(const QString &name)
{
    const QString shown = shownName(name);
    if (shown == referenceName)
        return;
    referenceName = shown;
    emit referenceChanged(referenceName);
}

void LandscapeWatch::rename(const QString &named)
{
    const QString name = shownName(named);
    if (name == currentName)
        return;
    currentName = name;
    emit nameChanged(currentName);
}
