// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapepanel.h"
#include "fileactions.h"
#include "landscapechart.h"
#include "landscapefile.h"
#include "landscapename.h"
#include "landscapeundo.h"
#include "landscapewatch.h"
#include "mainwindow.h"
#include "runcontrols.h"
#include "panelbutton.h"
#include "lessonmodel.h"
#include "snapshot.h"
#include "startstate.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>

#include <algorithm>
#include <climits>

namespace {
const int FirstWalkSeed = 1;
const char LessonsFolder[] = "vezo-vizoziv/lessons";

bool sameLandscape(const int *one, const int *other)
{
    return std::equal(one, one + LandscapeSize, other);
}

// A panel button for an action: its text, tip and keys.
QPushButton *actionButton(QAction *action)
{
    QPushButton *button = panelButton(action->text(), action->toolTip());
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    return button;
}
}

LandscapePanel::LandscapePanel(MainWindow *window, LandscapeChart *chart, LandscapeWatch *watch, const RunControls *run,
                               QWidget *parent)
    : QGroupBox(tr("Draw and keep"), parent), window(window), chart(chart), watch(watch),
      history(new LandscapeUndo(window, watch, this)), run(run)
{
    editing = new QAction(tr("Edit landscape"), this);
    editing->setCheckable(true);
    editing->setToolTip(tr("Drag on the landscape to draw it; hold Shift for a straight line. With the keys on the "
                           "chart: Left and Right choose a genome, Up and Down change its value"));
    connect(editing, &QAction::toggled, chart, &LandscapeChart::setEditing);
    QPushButton *editButton = panelButton(editing->text(), editing->toolTip());
    editButton->setCheckable(true);
    connect(editButton, &QPushButton::toggled, editing, &QAction::setChecked);
    connect(editing, &QAction::toggled, editButton, &QPushButton::setChecked);
    connect(chart, &LandscapeChart::strokeStarted, watch, &LandscapeWatch::beginGroup);
    connect(chart, &LandscapeChart::strokeDrawn, this, [this](const int *values) {
        this->window->setLandscape(values, RunEvents::Stroke);
    });
    connect(chart, &LandscapeChart::strokeFinished, watch, &LandscapeWatch::endGroup);

    presets = new QMenu(tr("Presets"), this);
    presets->setToolTipsVisible(true);
    for (int index = 0; index < PresetCount; ++index) {
        const Preset preset = static_cast<Preset>(index);
        QAction *action = presets->addAction(LandscapeName::shownPreset(preset));
        // Also on the status line as the menu is walked with the keys, and to screen readers.
        action->setToolTip(LandscapeName::presetDescription(preset));
        action->setStatusTip(action->toolTip());
        action->setWhatsThis(action->toolTip());
        connect(action, &QAction::triggered, this, [this, preset] { applyPreset(preset); });
    }
    QPushButton *presetButton = panelButton(tr("Presets"), tr("Replace the landscape with one made in the program"));
    presetButton->setMenu(presets);

    walkSeedBox = new QSpinBox;
    walkSeedBox->setRange(0, INT_MAX);
    walkSeedBox->setValue(FirstWalkSeed);
    describeControl(walkSeedBox, tr("Walk seed"), tr("The seed of the \"random walk\" preset"));
    QLabel *walkSeedLabel = new QLabel(tr("&Walk seed:"));
    walkSeedLabel->setToolTip(walkSeedBox->toolTip());
    walkSeedLabel->setBuddy(walkSeedBox);

    for (QAction *action : {history->undoAction(), history->redoAction()}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    QPushButton *undoButton = actionButton(history->undoAction());
    QPushButton *redoButton = actionButton(history->redoAction());

    QPushButton *saveLandscapeButton = panelButton(tr("Save landscape…"), tr("Write the landscape as a landscape file"));
    connect(saveLandscapeButton, &QPushButton::clicked, this, &LandscapePanel::saveLandscapeAs);
    QPushButton *saveSnapshotButton = panelButton(tr("Save snapshot…"),
                                                  tr("Keep the whole run in a file: landscape, parameters, members and generator"));
    connect(saveSnapshotButton, &QPushButton::clicked, this, &LandscapePanel::saveSnapshotAs);
    QPushButton *openSnapshotButton = panelButton(tr("Open snapshot…"), tr("Go on from a run kept in a file"));
    connect(openSnapshotButton, &QPushButton::clicked, this, &LandscapePanel::openSnapshotFile);

    // Three rows, so that the panels fit a 720-pixel screen.
    QHBoxLayout *drawing = new QHBoxLayout;
    drawing->addWidget(editButton);
    drawing->addWidget(presetButton);
    QHBoxLayout *steps = new QHBoxLayout;
    steps->addWidget(undoButton);
    steps->addWidget(redoButton);
    steps->addWidget(walkSeedLabel);
    steps->addWidget(walkSeedBox, 1);
    QHBoxLayout *files = new QHBoxLayout;
    files->addWidget(saveLandscapeButton);
    files->addWidget(saveSnapshotButton);
    files->addWidget(openSnapshotButton);
    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->addLayout(drawing);
    layout->addLayout(steps);
    layout->addLayout(files);
    // As they read, row by row.
    controls = {editButton, presetButton, undoButton, redoButton, walkSeedBox, saveLandscapeButton,
                saveSnapshotButton, openSnapshotButton};
}

QList<QWidget *> LandscapePanel::tabOrder() const
{
    return controls;
}

RunState LandscapePanel::state() const
{
    RunState state = window->state();
    state.name = watch->name().toStdString();
    state.pace = run ? run->pace() : 0;
    return state;
}

void LandscapePanel::applyPreset(Preset preset)
{
    int values[LandscapeSize];
    const unsigned seed = static_cast<unsigned>(walkSeedBox->value());
    fillPreset(preset, values, seed);
    window->setLandscape(values, RunEvents::Preset,
                         preset == Preset::RandomWalk ? LandscapeName::seeded(preset, seed) : LandscapeName::preset(preset));
}

bool LandscapePanel::saveLandscape(const QString &path, QString &error) const
{
    return ::saveLandscape(QFile::encodeName(path), window->environment(), error);
}

bool LandscapePanel::openSnapshot(const QByteArray &path, QString &error)
{
    RunState opened;
    Lesson lesson;
    if (!readSnapshot(path, opened, lesson, error))
        return false;
    const QString name = QString::fromStdString(opened.name);
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    if (sameLandscape(opened.reference, opened.landscape))
        watch->setReferenceName(name);
    else if (sameLandscape(opened.reference, tent))
        watch->setReferenceName(LandscapeName::startUp());
    else
        watch->setReferenceName(LandscapeName::referenceOf(QFileInfo(QFile::decodeName(path)).fileName()));
    window->restoreState(opened);
    if (lessons)
        lessons->setLesson(lesson);
    emit snapshotRestored(opened);
    return true;
}

bool LandscapePanel::saveSnapshot(const QString &path, QString &error) const
{
    if (!writeSnapshot(QFile::encodeName(path), state(), error, lessons ? lessons->lesson() : Lesson()))
        return false;
    if (lessons)
        lessons->markSaved();
    return true;
}

bool LandscapePanel::mayLeaveLesson()
{
    if (!lessons || !lessons->isModified())
        return true;
    QMessageBox ask(QMessageBox::Warning, tr("Lesson changed"),
                    tr("The lesson's notes or the class's answers changed since the snapshot was saved."),
                    QMessageBox::Discard | QMessageBox::Cancel, this);
    ask.setInformativeText(tr("Save the snapshot first to keep them."));
    ask.setDefaultButton(QMessageBox::Cancel);
    return ask.exec() == QMessageBox::Discard;
}

void LandscapePanel::saveLandscapeAs()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Save landscape"), watch->name(),
                                                     tr("All files (*)"), QString());
    if (path.isEmpty())
        return;
    QString error;
    const bool done = saveLandscape(path, error);
    emit reported(path, true, done, tr("Saved the landscape to %1").arg(path), error);
}

void LandscapePanel::saveSnapshotAs()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Save snapshot"), watch->name(),
                                                     tr("Snapshots (*.%1)").arg(Snapshot::Suffix), Snapshot::Suffix);
    if (path.isEmpty())
        return;
    QString error;
    const bool done = saveSnapshot(path, error);
    emit reported(path, true, done, tr("Saved the snapshot to %1").arg(path), error);
}

// The first time from the installed lessons where there are any.
void LandscapePanel::openSnapshotFile()
{
    if (!mayLeaveLesson())
        return;
    const QString lessons = QStandardPaths::locate(QStandardPaths::GenericDataLocation, LessonsFolder,
                                                   QStandardPaths::LocateDirectory);
    const QString path = FileActions::chooseOpenFile(
        this, tr("Open snapshot"), tr("Snapshots (*.%1)").arg(Snapshot::Suffix) + ";;" + tr("All files (*)"), lessons);
    if (path.isEmpty())
        return;
    QString error;
    const bool done = openSnapshot(QFile::encodeName(path), error);
    emit reported(path, false, done, tr("Opened the snapshot %1").arg(path), error);
}
