// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapewatch.h"
#include "mainwindow.h"

#include <QComboBox>
#include <QFileInfo>

#include <algorithm>
#include <climits>

LandscapeWatch::LandscapeWatch(MainWindow *window, QObject *parent)
    : QObject(parent), window(window), loadsSeen(window->loadCount()), currentName(startName())
{
    std::copy(window->environment(), window->environment() + LandscapeSize, previous);
    connect(window, &MainWindow::signal_EnvironmentUpdate, this, &LandscapeWatch::follow);
}

QString LandscapeWatch::startName()
{
    return tr("start-up tent");
}

QString LandscapeWatch::describe(Change change, const QString &name)
{
    switch (change) {
    case Loaded:
        return tr("Loaded %1").arg(name);
    case Reloaded:
        return tr("Reloaded the start-up tent");
    case ShiftedLeft:
        return tr("Landscape shifted left");
    case ShiftedRight:
        return tr("Landscape shifted right");
    case ShiftedUp:
        return tr("Landscape shifted up");
    case ShiftedDown:
        return tr("Landscape shifted down");
    case Edited:
        return tr("Landscape edited");
    case Unchanged:
    case LoadFailed:
        break;
    }
    return QString();
}

void LandscapeWatch::setName(const QString &name)
{
    if (name == currentName)
        return;
    currentName = name;
    emit nameChanged(currentName);
}

void LandscapeWatch::follow()
{
    const Change change = classify();
    std::copy(window->environment(), window->environment() + LandscapeSize, previous);
    loadsSeen = window->loadCount();
    if (change == Loaded)
        setName(QFileInfo(window->findChild<QComboBox *>()->currentText()).fileName());
    else if (change == Reloaded)
        setName(startName());
    else if (change != Unchanged && change != LoadFailed && !currentName.endsWith(tr(", edited")))
        setName(currentName + tr(", edited"));
    if (change != Unchanged)
        emit changed(change);
}

// A load is told by the main window's count of them; anything else by the values.
LandscapeWatch::Change LandscapeWatch::classify() const
{
    if (window->loadCount() != loadsSeen)
        return window->lastLoadError().isEmpty() ? Loaded : LoadFailed;
    const int *now = window->environment();
    if (std::equal(now, now + LandscapeSize, previous))
        return Unchanged;
    if (std::equal(now, now + LandscapeSize, window->referenceEnvironment()))
        return Reloaded;
    if (isShift(1))
        return ShiftedLeft;
    if (isShift(LandscapeSize - 1))
        return ShiftedRight;
    if (isRaise())
        return ShiftedUp;
    if (isLower())
        return ShiftedDown;
    return Edited;
}

// Whether each value now is the one offset places to its right before, wrapping round.
bool LandscapeWatch::isShift(int offset) const
{
    const int *now = window->environment();
    for (int index = 0; index < LandscapeSize; ++index) {
        if (now[index] != previous[(index + offset) % LandscapeSize])
            return false;
    }
    return true;
}

bool LandscapeWatch::isRaise() const
{
    const int *now = window->environment();
    for (int index = 0; index < LandscapeSize; ++index) {
        if (now[index] != (previous[index] < INT_MAX ? previous[index] + 1 : INT_MAX))
            return false;
    }
    return true;
}

bool LandscapeWatch::isLower() const
{
    const int *now = window->environment();
    for (int index = 0; index < LandscapeSize; ++index) {
        if (now[index] != (previous[index] <= 1 ? 1 : previous[index] - 1))
            return false;
    }
    return true;
}
