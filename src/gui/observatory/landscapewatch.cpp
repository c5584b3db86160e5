// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapewatch.h"
#include "landscapepresets.h"
#include "mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

#include <algorithm>
#include <climits>

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

// The repeating buttons of every window: the shifts of the main window and the observatory.
QList<QPushButton *> repeatingButtons()
{
    QList<QPushButton *> buttons;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        for (QPushButton *button : top->findChildren<QPushButton *>()) {
            if (button->autoRepeat())
                buttons << button;
        }
    }
    return buttons;
}
}

LandscapeWatch::LandscapeWatch(MainWindow *window, QObject *parent)
    : QObject(parent), window(window), loadsSeen(window->loadCount()),
      currentName(tr(presetInfo(Preset::Tent).name)), referenceName(currentName)
{
    std::copy(window->environment(), window->environment() + LandscapeSize, previous);
    connect(window, &MainWindow::signal_EnvironmentUpdate, this, &LandscapeWatch::follow);
}

QString LandscapeWatch::describe(Change change, const QString &name)
{
    switch (change) {
    case Loaded:
        return tr("Loaded %1").arg(name);
    case Reloaded:
        return tr("Reloaded %1").arg(name);
    case ShiftedLeft:
        return tr("Landscape shifted left");
    case ShiftedRight:
        return tr("Landscape shifted right");
    case ShiftedUp:
        return tr("Landscape shifted up");
    case ShiftedDown:
        return tr("Landscape shifted down");
    case Edited:
        return name == tr("edited") ? tr("Landscape edited") : tr("Landscape: %1").arg(name);
    case Undone:
        return tr("Undone: back to %1").arg(name);
    case Redone:
        return tr("Redone: %1").arg(name);
    case Unchanged:
    case LoadFailed:
        break;
    }
    return QString();
}

void LandscapeWatch::nameNextChange(const QString &name)
{
    pendingName = name;
}

void LandscapeWatch::beginStroke()
{
    strokeGroup = ++groups;
}

void LandscapeWatch::endStroke()
{
    strokeGroup = 0;
}

void LandscapeWatch::follow()
{
    const QString named = pendingName;
    pendingName.clear();
    Change change = classify();
    if (pendingChange != Unchanged && change != Unchanged && change != LoadFailed)
        change = pendingChange;
    pendingChange = Unchanged;
    loadsSeen = window->loadCount();
    if (change == Unchanged || change == LoadFailed) {
        if (!named.isEmpty())
            rename(named);
        if (change == LoadFailed)
            emit changed(change, previous, currentName);
        return;
    }
    QString name = named;
    if (name.isEmpty() && change == Loaded)
        name = QFileInfo(window->selectedFileName()).fileName();
    if (name.isEmpty())
        name = change == Reloaded ? referenceName : tr("edited");
    latestGroup = groupOfChange();
    int before[LandscapeSize];
    std::copy(previous, previous + LandscapeSize, before);
    std::copy(window->environment(), window->environment() + LandscapeSize, previous);
    const QString nameBefore = currentName;
    rename(name);
    emit changed(change, before, nameBefore);
}

// A load is told by the main window's count of them, even one that brings the same
// values; anything else by the values.
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

// A stroke's group while it is open, else a held repeating button's: the one down
// now, or the one whose last, releasing click this is (its release comes before its click).
int LandscapeWatch::groupOfChange()
{
    if (strokeGroup > 0)
        return strokeGroup;
    QPushButton *down = nullptr;
    for (QPushButton *button : repeatingButtons()) {
        if (button->isDown())
            down = button;
    }
    if (down && down != held) {
        held = down;
        heldGroup = ++groups;
        connect(down, &QPushButton::released, this, &LandscapeWatch::buttonReleased, Qt::UniqueConnection);
    }
    return held ? heldGroup : 0;
}

// A repeating button is released before each of its clicks: the hold ends once the
// click that follows has been seen and the button is still up.
void LandscapeWatch::buttonReleased()
{
    QMetaObject::invokeMethod(this, [this] {
        if (held && !held->isDown())
            held = nullptr;
    }, Qt::QueuedConnection);
}

void LandscapeWatch::setReferenceName(const QString &name)
{
    referenceName = shownName(name);
}

void LandscapeWatch::rename(const QString &named)
{
    const QString name = shownName(named);
    if (name == currentName)
        return;
    currentName = name;
    emit nameChanged(currentName);
}
