// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordedrun.h"
#include "generationrecord.h"
#include "landscapewatch.h"
#include "mainwindow.h"
#include "parametercaption.h"
#include "safefile.h"

#include <QFile>

RecordedRun::RecordedRun(MainWindow *window, const LandscapeWatch *watch, QObject *parent)
    : QObject(parent), window(window), watch(watch), shown(window->settings())
{
    clock.start();
    const RunEvents *events = window->runEvents();
    connect(events, &RunEvents::generationStepped, this, &RecordedRun::appendStep);
    connect(events, &RunEvents::genomesReplaced, this, &RecordedRun::markGenomes);
    connect(events, &RunEvents::parameterChanged, this, &RecordedRun::markParameter);
    connect(watch, &LandscapeWatch::changed, this, &RecordedRun::markLandscape);
    append();
}

void RecordedRun::reset(const QString &why)
{
    recorded.clear();
    marks.clear();
    emit wasReset();
    if (!why.isEmpty())
        marks.add(HistoryMarker::Restart, window->generationCount(), why, clock.elapsed());
    append();
}

bool RecordedRun::exportCsv(const QString &path, QString &error) const
{
    QByteArray text(CsvHeader);
    char row[CsvRowMaxLength];
    for (int index = 0; index < recorded.fullCount(); ++index)
        text.append(row, writeCsvRow(row, recorded.full(index)) - row);
    return writeWholeFile(QFile::encodeName(path), text, error);
}

void RecordedRun::append()
{
    recorded.add(recordGeneration(window->generationCount(), window->environment(), window->community()));
    emit changed();
}

void RecordedRun::appendStep(const GenerationTrace &trace)
{
    recorded.add(recordGeneration(window->generationCount(), window->environment(), window->community()));
    emit stepped(window->generationCount(), trace, window->settings());
}

// New genes are marked; a restart and a snapshot are marked by whoever resets.
void RecordedRun::markGenomes(RunEvents::GenomesChange change)
{
    if (change == RunEvents::NewGenes)
        marks.add(HistoryMarker::Genes, window->generationCount(), tr("New genes drawn"), clock.elapsed());
    append();
}

void RecordedRun::markParameter(const Parameter *parameter, int value)
{
    marks.addParameter(window->generationCount(), parameterCaption(*parameter), shown.value(*parameter), value,
                       clock.elapsed());
    shown.set(*parameter, value);
    emit changed();
}

// One mark for a stroke, however many moves drew it.
void RecordedRun::markLandscape(RunEvents::LandscapeChange change)
{
    const bool sameStroke = change == RunEvents::Stroke && watch->group() != 0 && watch->group() == markedGroup;
    markedGroup = watch->group();
    if (!sameStroke)
        marks.add(HistoryMarker::Landscape, window->generationCount(), LandscapeWatch::describe(change, watch->name()),
                  clock.elapsed());
    emit changed();
}
