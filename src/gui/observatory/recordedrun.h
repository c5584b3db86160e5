// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDEDRUN_H
#define RECORDEDRUN_H

#include "generationstep.h"
#include "history.h"
#include "historymarkers.h"
#include "parameters.h"
#include "runevents.h"

#include <QElapsedTimer>
#include <QObject>

class LandscapeWatch;
class MainWindow;

// The main window's run as it is recorded, from what the window announces: a
// record of every generation, and marks where something happened to it. The
// views that show more of each generation follow stepped() and wasReset().
class RecordedRun : public QObject
{
    Q_OBJECT

public:
    RecordedRun(MainWindow *window, const LandscapeWatch *watch, QObject *parent);

    const History &history() const { return recorded; }
    const HistoryMarkers &markers() const { return marks; }

    // Forgets what was recorded and starts again at the window's generation, with
    // a mark that says why, unless why is empty.
    void reset(const QString &why);
    // Every generation kept in full, as CSV; false with the reason in error.
    bool exportCsv(const QString &path, QString &error) const;

signals:
    // A generation was stepped, with what it drew and the parameters it ran with.
    void stepped(long long generation, const GenerationTrace &trace, const Settings &settings);
    void wasReset();
    // Something was recorded or marked, but for a step, which stepped() tells.
    void changed();

private:
    void append();
    void appendStep(const GenerationTrace &trace);
    void markGenomes(RunEvents::GenomesChange change);
    void markParameter(const Parameter *parameter, int value);
    void markLandscape(RunEvents::LandscapeChange change);

    MainWindow *window;
    const LandscapeWatch *watch;
    History recorded;
    HistoryMarkers marks;
    QElapsedTimer clock;
    Settings shown;      // the parameters as last seen, for the marks
    int markedGroup = 0; // the landscape watch's group of the latest landscape mark
};

#endif
