// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEWATCH_H
#define LANDSCAPEWATCH_H

#include "runevents.h"
#include "sizes.h"

#include <QObject>
#include <QString>

class MainWindow;

// Follows the main window's landscape as the window announces each change: which
// changes belong together (one stroke, one hold of a repeating button), and the
// landscape's name: a file's, a preset's, a snapshot's, or "edited". A change
// that leaves every value as it was is none, but for a load.
class LandscapeWatch : public QObject
{
    Q_OBJECT

public:
    using Change = RunEvents::LandscapeChange;

    LandscapeWatch(MainWindow *window, QObject *parent);

    // As snapshots keep it (LandscapeName).
    QString name() const { return currentName; }
    QString reference() const { return referenceName; }
    // What Reload brings back is called name from now on.
    void setReferenceName(const QString &name);
    // Changes from here to endGroup() belong together: a stroke, a held button.
    void beginGroup();
    void endGroup();
    // The group of the latest change, 0 for a change on its own.
    int group() const { return latestGroup; }

    static QString describe(Change change, const QString &name);

signals:
    // After a change, with the landscape and the name it had before.
    void changed(LandscapeWatch::Change change, const int *before, const QString &nameBefore);
    void nameChanged(const QString &name);
    void referenceChanged(const QString &name);

private:
    void follow(Change change, const QString &named);
    void rename(const QString &name);

    MainWindow *window;
    int previous[LandscapeSize];
    QString currentName;
    QString referenceName;
    int groups = 0;    // the last group number given out
    int openGroup = 0; // 0 when none is open
    int latestGroup = 0;
};

#endif
