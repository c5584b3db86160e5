// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEWATCH_H
#define LANDSCAPEWATCH_H

#include "sizes.h"

#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>

class MainWindow;

// Follows the main window's landscape, whichever window changed it: what each
// change was (a load, a reload, a shift, an edit), which changes belong together
// (one stroke, one hold of a repeating button), and the landscape's name: a
// file's, a preset's, or "edited". A signal that changes nothing is no change.
class LandscapeWatch : public QObject
{
    Q_OBJECT

public:
    enum Change {
        Unchanged, Loaded, LoadFailed, Reloaded, ShiftedLeft, ShiftedRight, ShiftedUp, ShiftedDown, Edited, Undone, Redone
    };
    Q_ENUM(Change)

    LandscapeWatch(MainWindow *window, QObject *parent);

    QString name() const { return currentName; }
    // What the next change is called (a preset, a file, a snapshot); without it a
    // load takes the file's name, a change back to the reference the reference's,
    // any other "edited". With no change, the name is taken at once.
    void nameNextChange(const QString &name);
    // The next change is an undo or a redo, whatever it looks like.
    void markNextChange(Change change) { pendingChange = change; }
    // What Reload brings back is called name from now on.
    void setReferenceName(const QString &name);
    // Changes from here to endStroke() belong together.
    void beginStroke();
    void endStroke();
    // The group of the latest change: a stroke's or a held button's, 0 for a change on its own.
    int group() const { return latestGroup; }

    static QString describe(Change change, const QString &name);

signals:
    // After a change, with the landscape and the name it had before.
    void changed(LandscapeWatch::Change change, const int *before, const QString &nameBefore);
    void nameChanged(const QString &name);

private:
    void follow();
    Change classify() const;
    bool isShift(int offset) const;
    bool isRaise() const;
    bool isLower() const;
    int groupOfChange();
    void buttonReleased();
    void rename(const QString &name);

    MainWindow *window;
    int previous[LandscapeSize];
    int loadsSeen;
    QString currentName;
    QString pendingName;
    Change pendingChange = Unchanged;
    QString referenceName;
    int groups = 0;          // the last group number given out
    int strokeGroup = 0;     // the open stroke's, 0 when none is open
    int latestGroup = 0;
    QPointer<QPushButton> held;
    int heldGroup = 0;
};

#endif
