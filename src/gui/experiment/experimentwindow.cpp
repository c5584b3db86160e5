// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentwindow.h"
#include "fileactions.h"
#include "panelbutton.h"
#include "experiment.h"
#include "heatmapchart.h"
#include "hitratechart.h"
#include "parametercaption.h"
#include "runlengthchart.h"
#include "runtablemodel.h"
#include "safefile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QDoubleSpinBox>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <thread>

namespace {
const int PollMilliseconds = 40;
const int StatusMilliseconds = 8000;
const long long MostRuns = 1000000;   // kept in memory for the table; the command line takes more
const int MostSeeds = 100000;
const int MostGenerations = 1000000;
const int DefaultSeeds = 100;
const int DefaultGenerations = 200;
const int ControlsWidth = 360;
const QSize PreferredSize(1200, 660);
const QColor ErrorColour(190, 0, 0);

// A list of values worth trying first, per parameter.
QString defaultValues(const Parameter &parameter)
{
    if (&parameter == &Parameters::Fitness)
        return QStringLiteral("1,20,99");
    if (&parameter == &Parameters::Mutation)
        return QStringLiteral("0,25,50,90");
    return QStringLiteral("0,1,10");
}

QString runsText(long long runs)
{
    return runs == 1 ? ExperimentWindow::tr("1 run") : ExperimentWindow::tr("%L1 runs").arg(runs);
}

void markInvalid(QLineEdit *edit, bool invalid)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, invalid ? ErrorColour : QPalette().color(QPalette::Text));
    edit->setPalette(palette);
}
}

// What a finished experiment gave: its plan, every run in run order, the summary.
struct ExperimentWindow::Results
{
    Results(const ExperimentPlan &plan, const QString &landscapeName)
        : plan(plan), summary(plan), landscapeName(landscapeName)
    {
    }

    ExperimentPlan plan;
    ExperimentSummary summary;
    std::vector<RunResult> runs;
    QString landscapeName;
    qint64 milliseconds = 0;
};

// An experiment under way on a thread of its own, which hands the results over
// in run order; the window looks at it only once it has ended.
struct ExperimentWindow::Running
{
    Running(const ExperimentPlan &plan, const QString &landscapeName)
        : experiment(plan), results(std::make_unique<Results>(plan, landscapeName))
    {
        clock.start();
    }

    Experiment experiment;
    std::unique_ptr<Results> results;
    std::atomic<bool> ended{false};
    std::thread thread;
    QElapsedTimer clock;
};

ExperimentWindow::ExperimentWindow(const int *landscape, const QString &landscapeName, const Settings &settings,
                                   QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("vezo-vizoziv Experiment"));
    std::fill(this->landscape, this->landscape + LandscapeSize, 0);

    landscapeLabel = new QLabel;
    landscapeLabel->setWordWrap(true);
    firstParameter = new QComboBox;
    secondParameter = new QComboBox;
    secondParameter->addItem(tr("(none)"));
    for (const Parameter *parameter : Parameters::All) {
        firstParameter->addItem(parameterCaption(*parameter));
        secondParameter->addItem(parameterCaption(*parameter));
    }
    firstParameter->setAccessibleName(tr("Parameter to vary"));
    secondParameter->setAccessibleName(tr("Second parameter to vary"));
    firstValues = new QLineEdit;
    secondValues = new QLineEdit;
    firstValues->setAccessibleName(tr("Values of the parameter to vary"));
    secondValues->setAccessibleName(tr("Values of the second parameter"));
    for (QLineEdit *edit : {firstValues, secondValues})
        edit->setPlaceholderText(tr("values, e.g. 0,1,10"));
    fixedLabel = new QLabel;
    fixedLabel->setWordWrap(true);

    firstSeedBox = seedBox(1);
    firstSeedBox->setAccessibleName(tr("First seed"));
    seedCountBox = new QSpinBox;
    seedCountBox->setRange(1, MostSeeds);
    seedCountBox->setValue(DefaultSeeds);
    seedCountBox->setAccessibleName(tr("Number of seeds"));
    generationsBox = new QSpinBox;
    generationsBox->setRange(0, MostGenerations);
    generationsBox->setValue(DefaultGenerations);
    generationsBox->setAccessibleName(tr("Generations per run"));
    targetBox = new QSpinBox;
    targetBox->setRange(INT_MIN, INT_MAX);
    targetBox->setAccessibleName(tr("Target fitness"));
    targetBox->setToolTip(tr("A run hits when its best member's fitness reaches this value."));
    highestButton = new QPushButton(tr("Highest"));
    highestButton->setToolTip(tr("The landscape's highest value"));

    startButton = new QPushButton(tr("Start"));
    cancelButton = new QPushButton(tr("Cancel"));
    progressBar = new QProgressBar;
    progressBar->setAccessibleName(tr("Progress"));
    showProgress(0, 0);
    messageLabel = new QLabel;
    messageLabel->setWordWrap(true);
    messageLabel->setAccessibleName(tr("Message"));
    exportButton = new QPushButton(tr("Export CSV..."));
    imageButton = new QPushButton(tr("Save image..."));

    QFormLayout *form = new QFormLayout;
    const auto addRow = [form](const QString &text, QWidget *buddy, QWidget *first, QWidget *second = nullptr,
                               QWidget *third = nullptr) {
        QLabel *label = new QLabel(text);
        label->setBuddy(buddy);
        QHBoxLayout *row = new QHBoxLayout;
        for (QWidget *field : {first, second, third}) {
            if (field)
                row->addWidget(field, qobject_cast<QLineEdit *>(field) || qobject_cast<QSpinBox *>(field) ? 1 : 0);
        }
        form->addRow(label, row);
    };
    form->addRow(tr("Landscape:"), landscapeLabel);
    addRow(tr("&Vary:"), firstParameter, firstParameter, firstValues);
    addRow(tr("&And:"), secondParameter, secondParameter, secondValues);
    form->addRow(tr("Others:"), fixedLabel);
    addRow(tr("&Seeds from:"), firstSeedBox, firstSeedBox, new QLabel(tr("count")), seedCountBox);
    addRow(tr("&Generations:"), generationsBox, generationsBox);
    addRow(tr("&Target:"), targetBox, targetBox, highestButton);

    QHBoxLayout *runButtons = new QHBoxLayout;
    runButtons->addWidget(startButton);
    runButtons->addWidget(cancelButton);
    QHBoxLayout *fileButtons = new QHBoxLayout;
    fileButtons->addWidget(exportButton);
    fileButtons->addWidget(imageButton);

    QGroupBox *controls = new QGroupBox(tr("Experiment"));
    QVBoxLayout *controlsLayout = new QVBoxLayout(controls);
    controlsLayout->addLayout(form);
    controlsLayout->addLayout(runButtons);
    controlsLayout->addWidget(progressBar);
    controlsLayout->addWidget(messageLabel);
    controlsLayout->addStretch(1);
    controlsLayout->addLayout(fileButtons);
    controls->setFixedWidth(ControlsWidth);

    hitRateChart = new HitRateChart;
    runLengthChart = new RunLengthChart;
    heatMapChart = new HeatMapChart;
    ratePage = new QWidget;
    QHBoxLayout *rateLayout = new QHBoxLayout(ratePage);
    rateLayout->setContentsMargins(0, 0, 0, 0);
    rateLayout->addWidget(hitRateChart, 2);
    rateLayout->addWidget(runLengthChart, 3);
    chartStack = new QStackedWidget;
    chartStack->addWidget(ratePage);
    chartStack->addWidget(heatMapChart);

    model = new RunTableModel(this);
    sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(Qt::UserRole);
    table = new QTableView;
    table->setModel(sorted);
    table->setAccessibleName(tr("Runs"));
    table->setToolTip(tr("Double-click a run, or press Enter, to watch it in the main window."));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);

    QSplitter *results = new QSplitter(Qt::Vertical);
    results->addWidget(chartStack);
    results->addWidget(table);
    results->setStretchFactor(0, 3);
    results->setStretchFactor(1, 2);
    results->setChildrenCollapsible(false);

    statusBar = new QStatusBar;
    statusBar->setSizeGripEnabled(false);
    QHBoxLayout *columns = new QHBoxLayout;
    columns->addWidget(controls);
    columns->addWidget(results, 1);
    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(statusBar);

    pollTimer = new QTimer(this);
    pollTimer->setInterval(PollMilliseconds);
    connect(pollTimer, &QTimer::timeout, this, &ExperimentWindow::poll);

    connect(firstParameter, &QComboBox::currentIndexChanged, this, [this](int index) {
        firstValues->setText(defaultValues(*Parameters::All[index]));
    });
    connect(secondParameter, &QComboBox::currentIndexChanged, this, [this](int index) {
        secondValues->setText(index > 0 ? defaultValues(*Parameters::All[index - 1]) : QString());
        secondValues->setEnabled(index > 0);
    });
    for (QLineEdit *edit : {firstValues, secondValues}) {
        connect(edit, &QLineEdit::textChanged, this, &ExperimentWindow::validate);
        connect(edit, &QLineEdit::returnPressed, this, &ExperimentWindow::start);
    }
    connect(firstSeedBox, &QDoubleSpinBox::valueChanged, this, &ExperimentWindow::validate);
    for (QSpinBox *box : {seedCountBox, generationsBox, targetBox})
        connect(box, &QSpinBox::valueChanged, this, &ExperimentWindow::validate);
    connect(highestButton, &QPushButton::clicked, this, [this] { targetBox->setValue(highestValue(this->landscape)); });
    connect(startButton, &QPushButton::clicked, this, &ExperimentWindow::start);
    connect(cancelButton, &QPushButton::clicked, this, &ExperimentWindow::cancel);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &ExperimentWindow::cancel);
    connect(exportButton, &QPushButton::clicked, this, &ExperimentWindow::chooseCsvFile);
    connect(imageButton, &QPushButton::clicked, this, &ExperimentWindow::chooseImageFile);
    connect(table, &QTableView::activated, this, &ExperimentWindow::chooseRun);
    connect(heatMapChart, &HeatMapChart::combinationActivated, this, &ExperimentWindow::chooseCombination);

    firstParameter->setCurrentIndex(static_cast<int>(std::find(std::begin(Parameters::All), std::end(Parameters::All),
                                                               &Parameters::Bias)
                                                     - std::begin(Parameters::All)));
    firstValues->setText(defaultValues(Parameters::Bias));
    secondValues->setEnabled(false);
    setStart(landscape, landscapeName, settings);
    updateButtons();
}

// The views, deleted after the results, must not look into them meanwhile.
ExperimentWindow::~ExperimentWindow()
{
    cancel();
    model->setRuns(nullptr, nullptr);
    for (ExperimentChart *chart : charts())
        chart->setResults(nullptr, nullptr);
}

void ExperimentWindow::setStart(const int *landscape, const QString &landscapeName, const Settings &settings)
{
    if (!std::equal(landscape, landscape + LandscapeSize, this->landscape))
        targetBox->setValue(highestValue(landscape));
    std::copy(landscape, landscape + LandscapeSize, this->landscape);
    this->landscapeName = landscapeName;
    base = settings;
    landscapeLabel->setText(tr("%1 (highest value %2)").arg(landscapeName).arg(highestValue(landscape)));
    validate();
}

QList<ExperimentChart *> ExperimentWindow::charts() const
{
    return {hitRateChart, runLengthChart, heatMapChart};
}

int ExperimentWindow::runCount() const
{
    return shown ? static_cast<int>(shown->runs.size()) : 0;
}

QSize ExperimentWindow::sizeHint() const
{
    return PreferredSize;
}

// Marks each list of values that does not parse.
bool ExperimentWindow::readPlan(ExperimentPlan &plan, QString &error)
{
    std::copy(landscape, landscape + LandscapeSize, plan.landscape);
    plan.base = base;
    std::string reason;
    const std::pair<int, QLineEdit *> chosen[] = {{firstParameter->currentIndex(), firstValues},
                                                  {secondParameter->currentIndex() - 1, secondValues}};
    for (const auto &[index, edit] : chosen) {
        Variation variation;
        const bool valid = index < 0 || parseValues(*Parameters::All[index], edit->text().toStdString(), variation, reason);
        markInvalid(edit, !valid);
        if (!valid && error.isEmpty())
            error = QString::fromStdString(reason);
        if (valid && index >= 0)
            plan.variations.push_back(variation);
    }
    if (!error.isEmpty())
        return false;
    plan.firstSeed = static_cast<unsigned>(firstSeedBox->value());
    plan.seeds = seedCountBox->value();
    plan.generations = generationsBox->value();
    plan.target = targetBox->value();
    if (!plan.check(reason)) {
        error = QString::fromStdString(reason);
        return false;
    }
    if (plan.totalRuns() > MostRuns) {
        error = tr("%1 runs are more than the %2 this window holds; the command line takes any number")
                    .arg(plan.totalRuns()).arg(MostRuns);
        return false;
    }
    return true;
}

// Says what Start would do, or what stands in its way.
void ExperimentWindow::validate()
{
    ExperimentPlan plan;
    QString error;
    planValid = readPlan(plan, error);
    QPalette palette = messageLabel->palette();
    palette.setColor(QPalette::WindowText, planValid ? QPalette().color(QPalette::WindowText) : ErrorColour);
    messageLabel->setPalette(palette);
    messageLabel->setText(planValid ? tr("%1 of %2 generations, target %3")
                                          .arg(runsText(plan.totalRuns()))
                                          .arg(QLocale().toString(plan.generations))
                                          .arg(plan.targetValue())
                                    : error);
    QStringList fixed;
    for (int index = 0; index < int(std::size(Parameters::All)); ++index) {
        const Parameter &parameter = *Parameters::All[index];
        if (index != firstParameter->currentIndex() && index != secondParameter->currentIndex() - 1)
            fixed << QString("%1 %2").arg(parameterCaption(parameter)).arg(base.value(parameter));
    }
    fixedLabel->setText(fixed.isEmpty() ? tr("none") : tr("%1, as in the main window").arg(fixed.join(", ")));
    updateButtons();
}

bool ExperimentWindow::start()
{
    if (running)
        return false;
    ExperimentPlan plan;
    QString error;
    if (!readPlan(plan, error)) {
        validate();
        return false;
    }
    running = std::make_unique<Running>(plan, landscapeName);
    Running *job = running.get();
    job->results->runs.reserve(static_cast<std::size_t>(plan.totalRuns()));
    showProgress(0, plan.totalRuns());
    job->thread = std::thread([job] {
        Results &results = *job->results;
        job->experiment.run(defaultThreadCount(), [&results](const RunResult &run) {
            results.runs.push_back(run);
            results.summary.add(run);
            return true;
        });
        job->ended.store(true);
    });
    pollTimer->start();
    statusBar->showMessage(tr("Running..."));
    updateButtons();
    return true;
}

void ExperimentWindow::cancel()
{
    if (!running)
        return;
    pollTimer->stop();
    running->experiment.cancel();
    running->thread.join();
    running.reset();
    showProgress(runCount(), runCount());
    statusBar->showMessage(shown ? tr("Cancelled; the results shown are those of the last experiment.")
                                 : tr("Cancelled."),
                           StatusMilliseconds);
    updateButtons();
}

void ExperimentWindow::poll()
{
    if (!running)
        return;
    showProgress(running->experiment.finished(), running->experiment.size());
    if (!running->ended.load())
        return;
    pollTimer->stop();
    running->thread.join();
    running->results->milliseconds = running->clock.elapsed();
    const std::unique_ptr<Results> previous = std::move(shown); // until nothing shows it
    shown = std::move(running->results);
    running.reset();
    showResults();
    updateButtons();
    emit finished();
}

// Runs done of all; nothing when there are none.
void ExperimentWindow::showProgress(long long done, long long total)
{
    progressBar->setRange(0, static_cast<int>(std::max(total, 1LL)));
    progressBar->setValue(static_cast<int>(done));
    progressBar->setTextVisible(total > 0);
    progressBar->setFormat(tr("%1 of %2").arg(QLocale().toString(done), runsText(total)));
}

void ExperimentWindow::showResults()
{
    const bool grid = shown->plan.variations.size() > 1;
    for (ExperimentChart *chart : charts())
        chart->setResults(&shown->plan, &shown->summary);
    chartStack->setCurrentWidget(grid ? static_cast<QWidget *>(heatMapChart) : ratePage);
    model->setRuns(&shown->plan, &shown->runs);
    table->resizeColumnsToContents();
    showProgress(runCount(), runCount());
    statusBar->showMessage(tr("%1 on %2 in %3 s")
                               .arg(runsText(runCount()))
                               .arg(shown->landscapeName)
                               .arg(double(shown->milliseconds) / 1000.0, 0, 'f', 2));
}

void ExperimentWindow::chooseRun(const QModelIndex &index)
{
    if (index.isValid())
        emitRun(static_cast<std::size_t>(sorted->mapToSource(index).row()));
}

// The first run of the combination.
void ExperimentWindow::chooseCombination(int combination)
{
    emitRun(static_cast<std::size_t>(combination * shown->plan.seeds));
}

void ExperimentWindow::emitRun(std::size_t index)
{
    if (!shown || index >= shown->runs.size())
        return;
    const RunResult &run = shown->runs[index];
    const QList<int> ground(shown->plan.landscape, shown->plan.landscape + LandscapeSize);
    statusBar->showMessage(tr("Watching seed %1 in the main window").arg(run.seed), StatusMilliseconds);
    emit runChosen(ground, shown->landscapeName, shown->plan.settings(run.combination), run.seed);
}

bool ExperimentWindow::exportCsv(const QString &path, QString &error) const
{
    if (!shown) {
        error = tr("there are no results yet");
        return false;
    }
    SafeFile file(QFile::encodeName(path), SafeFile::RegularFiles);
    if (!file.open()) {
        error = file.errorString();
        return false;
    }
    SafeFileSink sink(file);
    RowBuffer rows(sink);
    bool written = rows.write(RunCsvHeader, std::strlen(RunCsvHeader));
    for (std::size_t index = 0; written && index < shown->runs.size(); ++index)
        written = rows.add(RunCsvRowMaxLength, [&](char *out) { return writeRunRow(out, shown->plan, shown->runs[index]); });
    if (!written || !rows.flush() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

// The charts with a line saying what the experiment was.
QImage ExperimentWindow::picture() const
{
    const ExperimentPlan &plan = shown->plan;
    QStringList varied;
    for (const Variation &variation : plan.variations)
        varied << parameterCaption(*variation.parameter);
    const QString line = tr("%1 · %2 varied · seeds %3 to %4 · %5 generations · target %6")
                             .arg(shown->landscapeName, varied.isEmpty() ? tr("nothing") : varied.join(tr(" and ")))
                             .arg(plan.firstSeed)
                             .arg(static_cast<qulonglong>(plan.firstSeed) + static_cast<qulonglong>(plan.seeds) - 1)
                             .arg(plan.generations)
                             .arg(plan.targetValue());
    return FileActions::captioned({line}, font(), {chartStack->grab()});
}

bool ExperimentWindow::saveImage(const QString &path, QString &error)
{
    if (!shown) {
        error = tr("there are no results yet");
        return false;
    }
    return FileActions::savePng(picture(), FileActions::withSuffix(path, "png"), error);
}

void ExperimentWindow::closeEvent(QCloseEvent *event)
{
    cancel();
    event->accept();
}

void ExperimentWindow::chooseCsvFile()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Export CSV"), "experiment.csv", tr("CSV files (*.csv)"), "csv");
    if (path.isEmpty())
        return;
    QString error;
    const bool done = exportCsv(path, error);
    FileActions::reportSave(this, statusBar, path, done, tr("Exported %1 to %2").arg(runsText(runCount())).arg(path), error);
}

void ExperimentWindow::chooseImageFile()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Save image"), "experiment.png", tr("PNG images (*.png)"), "png");
    if (path.isEmpty())
        return;
    QString error;
    const bool done = saveImage(path, error);
    FileActions::reportSave(this, statusBar, path, done, tr("Saved the image to %1").arg(path), error);
}

void ExperimentWindow::updateButtons()
{
    const bool idle = !running;
    startButton->setEnabled(idle && planValid);
    cancelButton->setEnabled(!idle);
    exportButton->setEnabled(shown != nullptr);
    imageButton->setEnabled(shown != nullptr);
    for (QWidget *control : {static_cast<QWidget *>(firstParameter), static_cast<QWidget *>(firstValues),
                             static_cast<QWidget *>(secondParameter), static_cast<QWidget *>(firstSeedBox),
                             static_cast<QWidget *>(seedCountBox), static_cast<QWidget *>(generationsBox),
                             static_cast<QWidget *>(targetBox), static_cast<QWidget *>(highestButton)})
        control->setEnabled(idle);
    secondValues->setEnabled(idle && secondParameter->currentIndex() > 0);
}
