// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapepanel.h"
#include "landscapechart.h"
#include "landscapefile.h"
#include "landscapeundo.h"
#include "mainwindow.h"
#include "snapshot.h"
#include "startstate.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>

#include <algorithm>
#include <climits>

namespace {
const int FirstWalkSeed = 1;
const int NameMinimumWidth = 120;
const char LessonsFolder[] = "vezo-vizoziv/lessons";

QToolButton *toolButton(QAction *action)
{
    QToolButton *button = new QToolButton;
    button->setDefaultAction(action);
    return button;
}

QToolButton *toolButton(const QString &text)
{
    QToolButton *button = new QToolButton;
    button->setText(text);
    return button;
}

bool sameLandscape(const int *one, const int *other)
{
    return std::equal(one, one + LandscapeSize, other);
}
}

LandscapePanel::LandscapePanel(MainWindow *window, LandscapeChart *chart, QWidget *parent)
    : QWidget(parent), window(window), chart(chart), history(new LandscapeUndo(window, this))
{
    editButton = toolButton(tr("Edit landscape"));
    editButton->setCheckable(true);
    editButton->setToolTip(tr("Drag on the landscape to draw it; hold Shift for a straight line"));
    connect(editButton, &QToolButton::toggled, chart, &LandscapeChart::setEditing);
    connect(chart, &LandscapeChart::strokeStarted, history, &LandscapeUndo::beginStroke);
    connect(chart, &LandscapeChart::strokeDrawn, this, [this](const int *values) {
        history->nameNextChange(tr("edited"));
        this->window->setLandscape(values);
    });
    connect(chart, &LandscapeChart::strokeFinished, history, &LandscapeUndo::endStroke);

    QMenu *presets = new QMenu(this);
    presets->setToolTipsVisible(true);
    for (int index = 0; index < PresetCount; ++index) {
        const Preset preset = static_cast<Preset>(index);
        QAction *action = presets->addAction(tr(presetInfo(preset).name));
        action->setToolTip(tr(presetInfo(preset).description));
        connect(action, &QAction::triggered, this, [this, preset] { applyPreset(preset); });
    }
    QToolButton *presetButton = toolButton(tr("Presets"));
    presetButton->setMenu(presets);
    presetButton->setPopupMode(QToolButton::InstantPopup);
    presetButton->setToolTip(tr("Replace the landscape with one made in the program"));

    walkSeedBox = new QSpinBox;
    walkSeedBox->setRange(0, INT_MAX);
    walkSeedBox->setValue(FirstWalkSeed);
    walkSeedBox->setToolTip(tr("The seed of the \"random walk\" preset"));
    QLabel *walkSeedLabel = new QLabel(tr("Walk seed:"));
    walkSeedLabel->setBuddy(walkSeedBox);

    for (QAction *action : {history->undoAction(), history->redoAction()}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }

    QToolButton *saveLandscapeButton = toolButton(tr("Save landscape..."));
    connect(saveLandscapeButton, &QToolButton::clicked, this, &LandscapePanel::chooseLandscapeFile);
    QToolButton *saveSnapshotButton = toolButton(tr("Save snapshot..."));
    saveSnapshotButton->setToolTip(tr("Keep the whole run in a file: landscape, parameters, members and generator"));
    connect(saveSnapshotButton, &QToolButton::clicked, this, &LandscapePanel::chooseSnapshotFile);
    QToolButton *openSnapshotButton = toolButton(tr("Open snapshot..."));
    openSnapshotButton->setToolTip(tr("Go on from a run kept in a file"));
    connect(openSnapshotButton, &QToolButton::clicked, this, &LandscapePanel::chooseSnapshotToOpen);

    // A long name is cut rather than widen the window; the tooltip has all of it.
    nameLabel = new QLabel;
    nameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    nameLabel->setMinimumWidth(NameMinimumWidth);
    showName(history->name());
    connect(history, &LandscapeUndo::nameChanged, this, [this](const QString &name) {
        showName(name);
        emit landscapeNameChanged(name);
    });

    QHBoxLayout *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editButton);
    layout->addWidget(presetButton);
    layout->addWidget(walkSeedLabel);
    layout->addWidget(walkSeedBox);
    layout->addWidget(toolButton(history->undoAction()));
    layout->addWidget(toolButton(history->redoAction()));
    layout->addSpacing(12);
    layout->addWidget(nameLabel, 1);
    layout->addWidget(saveLandscapeButton);
    layout->addWidget(saveSnapshotButton);
    layout->addWidget(openSnapshotButton);
    setLayout(layout);
}

void LandscapePanel::showName(const QString &name)
{
    nameLabel->setText(tr("Landscape: <b>%1</b>").arg(name.toHtmlEscaped()));
    nameLabel->setToolTip(name);
}

QString LandscapePanel::landscapeName() const
{
    return history->name();
}

RunState LandscapePanel::state() const
{
    RunState state = window->state();
    state.name = history->name().toStdString();
    state.pace = pace;
    return state;
}

void LandscapePanel::applyPreset(Preset preset)
{
    int values[LandscapeSize];
    const unsigned seed = static_cast<unsigned>(walkSeedBox->value());
    fillPreset(preset, values, seed);
    const QString name = tr(presetInfo(preset).name);
    history->nameNextChange(preset == Preset::RandomWalk ? tr("%1 (seed %2)").arg(name).arg(seed) : name);
    window->setLandscape(values);
}

// Into a copy, so that a file that fails part way changes nothing.
bool LandscapePanel::openLandscape(const QString &path, QString &error)
{
    int values[LandscapeSize];
    std::copy(window->environment(), window->environment() + LandscapeSize, values);
    if (!loadLandscape(QFile::encodeName(path), values, error))
        return false;
    history->nameNextChange(QFileInfo(path).fileName());
    window->setLandscape(values);
    return true;
}

bool LandscapePanel::saveLandscape(const QString &path, QString &error) const
{
    return ::saveLandscape(QFile::encodeName(path), window->environment(), error);
}

bool LandscapePanel::openSnapshot(const QString &path, QString &error)
{
    RunState opened;
    if (!readSnapshot(QFile::encodeName(path), opened, error))
        return false;
    const QString name = QString::fromStdString(opened.name);
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    if (sameLandscape(opened.reference, opened.landscape))
        history->setReferenceName(name);
    else if (sameLandscape(opened.reference, tent))
        history->setReferenceName(tr(presetInfo(Preset::Tent).name));
    else
        history->setReferenceName(tr("reference of %1").arg(QFileInfo(path).fileName()));
    history->nameNextChange(name);
    window->restoreState(opened);
    pace = opened.pace;
    emit snapshotRestored(opened);
    return true;
}

bool LandscapePanel::saveSnapshot(const QString &path, QString &error) const
{
    return writeSnapshot(QFile::encodeName(path), state(), error);
}

void LandscapePanel::chooseLandscapeFile()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save landscape"), history->name());
    QString error;
    if (!path.isEmpty()) {
        const bool saved = saveLandscape(path, error);
        report(saved, tr("Saved the landscape to %1").arg(path), tr("Nothing was written to '%1': %2").arg(path, error));
    }
}

void LandscapePanel::chooseSnapshotFile()
{
    QFileDialog dialog(this, tr("Save snapshot"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("Snapshots (*.%1)").arg(Snapshot::Suffix), tr("All files (*)")});
    dialog.setDefaultSuffix(Snapshot::Suffix);
    dialog.selectFile(QStringLiteral("%1.%2").arg(history->name(), Snapshot::Suffix));
    QString error;
    if (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        const bool saved = saveSnapshot(path, error);
        report(saved, tr("Saved the snapshot to %1").arg(path), tr("Nothing was written to '%1': %2").arg(path, error));
    }
}

// From the installed lessons where there are any.
void LandscapePanel::chooseSnapshotToOpen()
{
    const QString lessons = QStandardPaths::locate(QStandardPaths::GenericDataLocation, LessonsFolder,
                                                   QStandardPaths::LocateDirectory);
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open snapshot"), lessons,
        tr("Snapshots (*.%1)").arg(Snapshot::Suffix) + ";;" + tr("All files (*)"));
    QString error;
    if (!path.isEmpty()) {
        const bool opened = openSnapshot(path, error);
        report(opened, tr("Opened the snapshot %1").arg(path), tr("Nothing changed: '%1' %2").arg(path, error));
    }
}

void LandscapePanel::report(bool done, const QString &message, const QString &error)
{
    if (done) {
        emit reported(message);
        return;
    }
    emit reported(error);
    QMessageBox::warning(this, window->windowTitle(), error);
}
