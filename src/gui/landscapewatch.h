// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEWATCH_H
#define LANDSCAPEWATCH_H

#include "sizes.h"

#include <QObject>
#include <QString>

class MainWindow;

// Follows the main window's landscape, whichever window changed it: what each
// change was (a load, a reload, a shift) and the name of what is shown: the
// file's, or the same marked as edited.
class LandscapeWatch : public QObject
{
    Q_OBJECT

public:
    enum Change { Unchanged, Loaded, LoadFailed, Reloaded, ShiftedLeft, ShiftedRight, ShiftedUp, ShiftedDown, Edited };
    Q_ENUM(Change)

    LandscapeWatch(MainWindow *window, QObject *parent);

    QString name() const { return currentName; }
    // For a landscape made elsewhere (a preset, a drawing): call after the change.
    void setName(const QString &name);

    static QString startName();
    static QString describe(Change change, const QString &name);

signals:
    void changed(LandscapeWatch::Change change);
    void nameChanged(const QString &name);

private:
    void follow();
    Change classify() const;
    bool isShift(int offset) const;
    bool isRaise() const;
    bool isLower() const;

    MainWindow *window;
    int previous[LandscapeSize];
    int loadsSeen;
    QString currentName;
};

#endif
