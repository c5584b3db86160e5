// SPDX-License-Identifier: GPL-3.0-or-later
#include "observatory.h"
#include "framepacer.h"
#include "historychart.h"
#include "landscapechart.h"
#include "mainwindow.h"
#include "startstate.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSaveFile>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include <climits>

namespace {
const int Paces[] = {1, 2, 5, 10, 20, 50, 100, 1000};
const int MillisecondsPerSecond = 1000;
const int StatusMilliseconds = 8000;
const QKeySequence ToggleKey(Qt::Key_F2);
const int WindowGap = 8;
}

Observatory::Observatory(MainWindow *window, QWidget *parent)
    : QWidget(parent, Qt::Window), window(window), loadsSeen(window->loadCount())
{
    setWindowTitle(tr("vezo-vizoziv Observatory"));

    landscapeChart = new LandscapeChart(window->environment(), window->community(), &recorded);
    historyChart = new HistoryChart(&recorded);

    paceBox = new QComboBox;
    for (int pace : Paces)
        paceBox->addItem(pace == 1 ? tr("1 generation per second") : tr("%1 generations per second").arg(pace), pace);
    paceBox->addItem(tr("As fast as possible"), 0);
    paceBox->setCurrentIndex(paceBox->count() - 1);
    connect(paceBox, &QComboBox::currentIndexChanged, this, [this] { setPace(paceBox->currentData().toInt()); });

    seedBox = new QSpinBox;
    seedBox->setRange(0, INT_MAX);
    seedBox->setValue(StartSeed);
    QPushButton *restartButton = new QPushButton(tr("Restart with seed"));
    connect(restartButton, &QPushButton::clicked, this, [this] { restart(static_cast<unsigned>(seedBox->value())); });

    QPushButton *clearButton = new QPushButton(tr("Clear"));
    connect(clearButton, &QPushButton::clicked, this, &Observatory::clearHistory);
    QPushButton *exportButton = new QPushButton(tr("Export CSV..."));
    connect(exportButton, &QPushButton::clicked, this, &Observatory::chooseCsvFile);
    QPushButton *imageButton = new QPushButton(tr("Save image..."));
    connect(imageButton, &QPushButton::clicked, this, &Observatory::chooseImageFile);

    QHBoxLayout *controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Pace:")));
    controls->addWidget(paceBox);
    controls->addSpacing(16);
    controls->addWidget(new QLabel(tr("Seed:")));
    controls->addWidget(seedBox);
    controls->addWidget(restartButton);
    controls->addStretch(1);
    controls->addWidget(clearButton);
    controls->addWidget(exportButton);
    controls->addWidget(imageButton);

    statusBar = new QStatusBar;
    statusBar->setSizeGripEnabled(false);

    QVBoxLayout *layout = new QVBoxLayout;
    layout->addWidget(landscapeChart, 3);
    layout->addWidget(historyChart, 2);
    layout->addLayout(controls);
    layout->addWidget(statusBar);
    setLayout(layout);

    new FramePacer(this);
    for (QWidget *target : {static_cast<QWidget *>(window), static_cast<QWidget *>(this)})
        connect(new QShortcut(ToggleKey, target), &QShortcut::activated, this, &Observatory::toggle);

    connect(window, &MainWindow::signal_MMRsUpdate, this, &Observatory::recordGeneration);
    connect(window, &MainWindow::signal_GenomeUpdate, this, &Observatory::recordGeneration);
    connect(window, &MainWindow::signal_EnvironmentUpdate, this, &Observatory::showLoadResult);
    recordGeneration();
}

bool Observatory::exportCsv(const QString &path, QString &error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    QByteArray text(CsvHeader);
    char row[CsvRowMaxLength];
    for (int index = 0; index < recorded.fullCount(); ++index)
        text.append(row, writeCsvRow(row, recorded.full(index)) - row);
    if (file.write(text) != text.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool Observatory::saveImage(const QString &path, QString &error)
{
    if (!grab().save(path, "PNG")) {
        error = tr("the image could not be written");
        return false;
    }
    return true;
}

void Observatory::setPace(int generationsPerSecond)
{
    window->setRunInterval(generationsPerSecond > 0 ? MillisecondsPerSecond / generationsPerSecond : 0);
}

void Observatory::restart(unsigned seed)
{
    recorded.clear();
    window->restartWithSeed(seed);
    statusBar->showMessage(tr("Restarted with seed %1").arg(seed), StatusMilliseconds);
}

void Observatory::clearHistory()
{
    recorded.clear();
    recordGeneration();
}

void Observatory::toggle()
{
    if (isVisible())
        hide();
    else
        showBeside();
}

// The first time beside the main window, where the screen has room for it.
void Observatory::showBeside()
{
    if (!placed) {
        placed = true;
        const QRect main = window->frameGeometry();
        const QRect room = window->screen()->availableGeometry();
        const QPoint beside(main.right() + WindowGap, main.top());
        if (room.contains(QRect(beside, sizeHint())))
            move(beside);
        else if (room.contains(QRect(QPoint(main.left(), main.bottom() + WindowGap), sizeHint())))
            move(main.left(), main.bottom() + WindowGap);
    }
    show();
    raise();
    activateWindow();
}

void Observatory::recordGeneration()
{
    recorded.add(::recordGeneration(window->generationCount(), window->environment(), window->community()));
    refresh();
}

// A load that failed is said here too; the main window stays silent.
void Observatory::showLoadResult()
{
    if (window->loadCount() != loadsSeen) {
        loadsSeen = window->loadCount();
        if (!window->lastLoadError().isEmpty())
            statusBar->showMessage(window->lastLoadError());
    }
    landscapeChart->update();
}

void Observatory::refresh()
{
    landscapeChart->update();
    historyChart->update();
}

void Observatory::chooseCsvFile()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"), "vezo-vizoziv.csv", tr("CSV files (*.csv)"));
    QString error;
    if (!path.isEmpty())
        report(exportCsv(path, error), tr("Exported %1 generations to %2").arg(recorded.fullCount()).arg(path), error);
}

void Observatory::chooseImageFile()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save image"), "observatory.png", tr("PNG images (*.png)"));
    QString error;
    if (!path.isEmpty())
        report(saveImage(path, error), tr("Saved the image to %1").arg(path), error);
}

void Observatory::report(bool done, const QString &message, const QString &error)
{
    if (done) {
        statusBar->showMessage(message, StatusMilliseconds);
        return;
    }
    statusBar->showMessage(error);
    QMessageBox::warning(this, windowTitle(), tr("Nothing was written: %1").arg(error));
}
