// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"
#include "accessiblenumber.h"
#include "chartaccessible.h"
#include "buttonhold.h"
#include "common.h"
#include "parameters.h"
#include "random.h"
#include "landscapefile.h"
#include "startstate.h"
#include "timings.h"
#include "landscapearea.h"
#include "lcdrange.h"
#include "parametercaption.h"
#include "vezo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {
const int RunIterations = 10;
const int ViewColumnStretch = 10;
// The generation display shows eight digits and turns over like an odometer.
const qint64 GenerationDisplayModulus = 100000000;

const int MaxAmplitude = 99;
const int ParameterLimit = 100; // the four extra parameters span -100 .. 100
const int AdditionalParameters = 4;

QPushButton *boldButton(const QString &text, int pointSize)
{
    QPushButton *button = new QPushButton(text);
    button->setFont(QFont("Serif", pointSize, QFont::Bold));
    return button;
}

QPushButton *shiftButton(const QString &text)
{
    QPushButton *button = boldButton(text, 14);
    button->setAutoRepeat(true);
    button->setAutoRepeatInterval(ShiftRepeatMilliseconds);
    return button;
}

QSpinBox *parameterSpinBox()
{
    QSpinBox *spinBox = new QSpinBox;
    spinBox->setRange(-ParameterLimit, ParameterLimit);
    spinBox->setSingleStep(1);
    spinBox->setValue(0);
    return spinBox;
}
}

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    // Before any widget is made: a screen reader's view of one is kept once asked for.
    AccessibleNumber::install();
    ChartAccessible::install();
    iterations = RunIterations;
    generations = 0;
    events = new RunEvents(this);
    ProcessRandom::seed(StartSeed);

    vezo_timer_ptr = new QTimer(this);
    connect(vezo_timer_ptr, &QTimer::timeout, this, &MainWindow::slot_vezo);

    for (bit = 0; bit < LandscapeSize; ++bit) {
        theRefEnvironment[bit] = startLandscapeValue(bit);
        theEnvironment[bit] = theRefEnvironment[bit];
    }
    drawGenomes(theCommunity);

    ttip_clearhistBTN = tr("Currently DISABLED");
    ttip_fitnessBOX = tr("The fitness value 0-99 is simply passed\nuntouched to the GA.");
    ttip_mutebiasBOX = tr("Logarithmically prefer mutations on the LSBs.\n0 means no bias,\n"
                          "1 means a weak bias towards small changes,\n"
                          "10 means mutations to the MSB are very rare.");
    ttip_muteprobBOX = tr("Change the probability of a\nmutation (bit flip) in a random\n"
                          "member's genome at a random place.");

    setWindowTitle(tr("vezo-vizoziv"));

    Lbox_ptr = new LandscapeArea;
    Lbox_ptr->LandscapeArea_setup(theEnvironment, theCommunity);
    Lbox_ptr->setAccessibleName(tr("Landscape view"));
    Lbox_ptr->setAccessibleDescription(tr("The fitness of each of the 512 genomes as a point, genome 0 on the left; "
                                          "the ten members as marks on their genomes. The observatory (F2) "
                                          "tells the values and the members in words."));
    Lbox_ptr->setFocusPolicy(Qt::TabFocus);

    QPushButton *quitBTN = boldButton(tr("&Quit"), 16);
    connect(quitBTN, &QPushButton::clicked, QCoreApplication::instance(), &QCoreApplication::quit);

    loadBTN_ptr = boldButton(tr("Load File:"), 14);
    connect(loadBTN_ptr, &QPushButton::clicked, this, &MainWindow::slot_LoadFile);

    InputFileComboBox_ptr = new QComboBox;
    InputFileComboBox_ptr->setEditable(true);
    InputFileComboBox_ptr->addItem(tr("anicedampedsinusoid"));
    InputFileComboBox_ptr->addItem(tr("randomwalk"));
    InputFileComboBox_ptr->addItem(tr("twosimilarpeaks"));
    InputFileComboBox_ptr->addItem(tr("twodissimilarpeaks"));
    InputFileComboBox_ptr->addItem(tr("user"));
    InputFileComboBox_ptr->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    InputFileComboBox_ptr->setAccessibleName(tr("Landscape file"));
    InputFileComboBox_ptr->lineEdit()->setAccessibleName(tr("Landscape file"));
    InputFileComboBox_ptr->view()->setAccessibleName(tr("Landscape file"));
    InputFileComboBox_ptr->setAccessibleDescription(tr("The landscape file that \"Load File:\" loads, by name "
                                                       "from the start folder or by full path"));

    stopBTN_ptr = boldButton(tr("Stop"), 14);
    connect(stopBTN_ptr, &QPushButton::clicked, this, &MainWindow::slot_StopState);

    runBTN_ptr = boldButton(tr("Run"), 14);
    connect(runBTN_ptr, &QPushButton::clicked, this, &MainWindow::slot_RunPreState);

    stepBTN_ptr = boldButton(tr("Step"), 14);
    connect(stepBTN_ptr, &QPushButton::clicked, this, &MainWindow::slot_StepPreState);
    connect(this, &MainWindow::signal_RunPreState, this, &MainWindow::slot_RunState);

    QLabel *generationLabel = new QLabel(tr("Generations:"));

    generationLCD_ptr = new QLCDNumber(2);
    generationLCD_ptr->setSegmentStyle(QLCDNumber::Flat);
    generationLCD_ptr->setDigitCount(8);
    generationLCD_ptr->display(generationDisplayValue(generations));
    generationLabel->setBuddy(generationLCD_ptr);
    generationLCD_ptr->setAccessibleName(tr("Generations"));

    QPushButton *reloadBTN = boldButton(tr("Reload"), 14);
    connect(reloadBTN, &QPushButton::clicked, this, &MainWindow::slot_Reload);

    QPushButton *clearhistBTN = boldButton(tr("Clear History"), 14);
    clearhistBTN->setToolTip(ttip_clearhistBTN);
    connect(clearhistBTN, &QPushButton::clicked, Lbox_ptr, &LandscapeArea::slot_ClearHistory);

    QPushButton *LShiftBTN = shiftButton(tr("shift Left"));
    connect(LShiftBTN, &QPushButton::clicked, this, &MainWindow::slot_LShift);
    QPushButton *RShiftBTN = shiftButton(tr("shift Right"));
    connect(RShiftBTN, &QPushButton::clicked, this, &MainWindow::slot_RShift);
    QPushButton *UShiftBTN = shiftButton(tr("shift Up"));
    connect(UShiftBTN, &QPushButton::clicked, this, &MainWindow::slot_UShift);
    QPushButton *DShiftBTN = shiftButton(tr("shift Down"));
    connect(DShiftBTN, &QPushButton::clicked, this, &MainWindow::slot_DShift);
    for (QPushButton *shift : {LShiftBTN, RShiftBTN, UShiftBTN, DShiftBTN})
        followHold(shift, events, [this] { emit events->holdStarted(); }, [this] { emit events->holdEnded(); });

    newgenesBTN_ptr = boldButton(tr("New Genes"), 14);
    connect(newgenesBTN_ptr, &QPushButton::clicked, this, &MainWindow::slot_NewGenes);

    // Each control is wired both ways before its start value reaches the setter.
    using Parameters::Bias;
    using Parameters::Fitness;
    using Parameters::Mutation;
    LCDRange *fitnessBOX = new LCDRange(tr("Fitness Multiplier"));
    fitnessBOX->setToolTip(ttip_fitnessBOX);
    fitnessBOX->setRange(Fitness.min, Fitness.offered);
    connect(fitnessBOX, &LCDRange::valueChanged, this, &MainWindow::setFitness);
    connect(this, &MainWindow::FitnessChanged, fitnessBOX, &LCDRange::setValue);
    fitnessBOX->setValue(Fitness.start);

    LCDRange *muteprobBOX = new LCDRange(tr("% Prob(Mutation)"));
    muteprobBOX->setToolTip(ttip_muteprobBOX);
    muteprobBOX->setRange(Mutation.min, Mutation.offered);
    connect(muteprobBOX, &LCDRange::valueChanged, this, &MainWindow::setMuteProb);
    connect(this, &MainWindow::MuteProbChanged, muteprobBOX, &LCDRange::setValue);
    muteprobBOX->setValue(Mutation.start);

    LCDRange *mutebiasBOX = new LCDRange(tr("Mutation Bias"));
    mutebiasBOX->setToolTip(ttip_mutebiasBOX);
    mutebiasBOX->setRange(Bias.min, Bias.offered);
    connect(mutebiasBOX, &LCDRange::valueChanged, this, &MainWindow::setMuteBias);
    connect(this, &MainWindow::MuteBiasChanged, mutebiasBOX, &LCDRange::setValue);
    mutebiasBOX->setValue(Bias.start);

    // For screen readers, what the step does with each value, as the tooltips do not all say.
    fitnessBOX->setDescription(parameterMeaning(Fitness));
    muteprobBOX->setDescription(parameterMeaning(Mutation));
    mutebiasBOX->setDescription(parameterMeaning(Bias));

    QLabel *ParamLabel = new QLabel(tr("Additional Parameters\nRange %1 to %2:").arg(-ParameterLimit).arg(ParameterLimit));
    integerLabelParam0_ptr = new QLabel(tr("Parameter 0:"));
    integerLabelParam1_ptr = new QLabel(tr("Parameter 1:"));
    integerLabelParam2_ptr = new QLabel(tr("Parameter 2:"));
    integerLabelParam3_ptr = new QLabel(tr("Parameter 3:"));
    integerSpinBoxParam0_ptr = parameterSpinBox();
    integerSpinBoxParam1_ptr = parameterSpinBox();
    integerSpinBoxParam2_ptr = parameterSpinBox();
    integerSpinBoxParam3_ptr = parameterSpinBox();
    QLabel *parameterLabels[] = {integerLabelParam0_ptr, integerLabelParam1_ptr, integerLabelParam2_ptr,
                                 integerLabelParam3_ptr};
    QSpinBox *parameterBoxes[] = {integerSpinBoxParam0_ptr, integerSpinBoxParam1_ptr, integerSpinBoxParam2_ptr,
                                  integerSpinBoxParam3_ptr};
    for (int param = 0; param < AdditionalParameters; ++param) {
        parameterLabels[param]->setBuddy(parameterBoxes[param]);
        parameterBoxes[param]->setAccessibleName(tr("Parameter %1").arg(param));
        parameterBoxes[param]->setAccessibleDescription(
            tr("An additional parameter, %1 to %2, shown but not used by the algorithm").arg(-ParameterLimit).arg(ParameterLimit));
    }

    // What each button does, for screen readers; Clear History's tooltip is not its whole story.
    const struct
    {
        QWidget *control;
        QString description;
    } told[] = {
        {quitBTN, tr("Ends the program")},
        {loadBTN_ptr, tr("Loads the landscape file named beside it (stopped only)")},
        {stopBTN_ptr, tr("Stops the run")},
        {runBTN_ptr, tr("Computes generation after generation until Stop")},
        {stepBTN_ptr, tr("Computes one generation")},
        {reloadBTN, tr("Restores the reference landscape: the start-up tent, or what an opened snapshot brought")},
        {clearhistBTN, tr("Repaints the view; there is no history to clear")},
        {LShiftBTN, tr("Rotates the landscape one place left; repeats while held")},
        {RShiftBTN, tr("Rotates the landscape one place right; repeats while held")},
        {UShiftBTN, tr("Raises every value by one; repeats while held")},
        {DShiftBTN, tr("Lowers every value by one, not below 1; repeats while held")},
        {newgenesBTN_ptr, tr("Draws ten new random genomes (stopped only)")},
    };
    for (const auto &control : told)
        control.control->setAccessibleDescription(control.description);

    QHBoxLayout *topLayout = new QHBoxLayout;
    topLayout->addWidget(loadBTN_ptr);
    topLayout->addWidget(InputFileComboBox_ptr);
    topLayout->addWidget(stopBTN_ptr);
    topLayout->addWidget(runBTN_ptr);
    topLayout->addWidget(stepBTN_ptr);
    topLayout->addWidget(generationLabel);
    topLayout->addWidget(generationLCD_ptr);
    topLayout->addStretch(1);

    QHBoxLayout *sousTopLayout = new QHBoxLayout;
    sousTopLayout->addWidget(reloadBTN);
    sousTopLayout->addWidget(clearhistBTN);
    sousTopLayout->addWidget(LShiftBTN);
    sousTopLayout->addWidget(RShiftBTN);
    sousTopLayout->addWidget(UShiftBTN);
    sousTopLayout->addWidget(DShiftBTN);
    sousTopLayout->addStretch(1);

    QVBoxLayout *leftLayout = new QVBoxLayout;
    leftLayout->addWidget(newgenesBTN_ptr);
    leftLayout->addWidget(fitnessBOX);
    leftLayout->addWidget(muteprobBOX);
    leftLayout->addWidget(mutebiasBOX);
    leftLayout->addWidget(ParamLabel);
    leftLayout->addWidget(integerLabelParam0_ptr);
    leftLayout->addWidget(integerSpinBoxParam0_ptr);
    leftLayout->addWidget(integerLabelParam1_ptr);
    leftLayout->addWidget(integerSpinBoxParam1_ptr);
    leftLayout->addWidget(integerLabelParam2_ptr);
    leftLayout->addWidget(integerSpinBoxParam2_ptr);
    leftLayout->addWidget(integerLabelParam3_ptr);
    leftLayout->addWidget(integerSpinBoxParam3_ptr);
    leftLayout->addStretch(1);

    QGridLayout *gridLayout = new QGridLayout;
    gridLayout->addWidget(quitBTN, 0, 0);
    gridLayout->addLayout(topLayout, 0, 1);
    gridLayout->addLayout(sousTopLayout, 1, 1);
    gridLayout->addLayout(leftLayout, 2, 0);
    gridLayout->addWidget(Lbox_ptr, 2, 1);
    gridLayout->setColumnStretch(1, ViewColumnStretch);
    setLayout(gridLayout);
    // Tab reaches the view after the controls, not before Quit.
    QWidget::setTabOrder(integerSpinBoxParam3_ptr, Lbox_ptr);

    connect(this, &MainWindow::signal_StopState, this, &MainWindow::slot_StopState);
    connect(this, &MainWindow::signal_LandscapeUpdate, Lbox_ptr, &LandscapeArea::slot_LandscapeUpdate);
    connect(this, &MainWindow::signal_EnvironmentUpdate, Lbox_ptr, &LandscapeArea::slot_EnvironmentUpdate);
    connect(this, &MainWindow::signal_MMRsUpdate, Lbox_ptr, &LandscapeArea::slot_MMRsUpdate);
    connect(this, &MainWindow::signal_GenomeUpdate, Lbox_ptr, &LandscapeArea::slot_MMRsUpdate);

    emit signal_StopState();
}

void MainWindow::slot_RunState(int steps)
{
    static int firsttimethrough = 1;
    if (firsttimethrough == 1) {
        firsttimethrough = 0;
        emit signal_LandscapeUpdate();
        emit signal_EnvironmentUpdate();
        emit signal_MMRsUpdate();
    }

    if (steps == 1)
        slot_vezo();
    else
        vezo_timer_ptr->start();
}

void MainWindow::setFitness(int fitness)
{
    fitness = Parameters::Fitness.store(fitness);
    if (fitness != currentFitness) {
        currentFitness = fitness;
        emit FitnessChanged(currentFitness);
        emit events->parameterChanged(&Parameters::Fitness, currentFitness);
    }
}

void MainWindow::setAmplitude(int amplitude)
{
    amplitude = std::clamp(amplitude, 1, MaxAmplitude);
    if (amplitude != currentAmplitude) {
        currentAmplitude = amplitude;
        emit AmplitudeChanged(currentAmplitude);
    }
}

void MainWindow::setMuteProb(int muteprob)
{
    muteprob = Parameters::Mutation.store(muteprob);
    if (muteprob != currentMuteProb) {
        currentMuteProb = muteprob;
        emit MuteProbChanged(currentMuteProb);
        emit events->parameterChanged(&Parameters::Mutation, currentMuteProb);
    }
}

void MainWindow::setMuteBias(int mutebias)
{
    mutebias = Parameters::Bias.store(mutebias);
    if (mutebias != currentMuteBias) {
        currentMuteBias = mutebias;
        emit MuteBiasChanged(currentMuteBias);
        emit events->parameterChanged(&Parameters::Bias, currentMuteBias);
    }
}

void MainWindow::slot_vezo()
{
    traced_vezo(currentMuteProb, currentMuteBias, currentFitness, theEnvironment, theCommunity,
                Param0, Param1, Param2, Param3, &trace);
    ++generations;
    generationLCD_ptr->display(generationDisplayValue(generations));
    emit signal_MMRsUpdate();
    emit events->generationStepped(trace);
}

void MainWindow::slot_Reload()
{
    for (bit = 0; bit < LandscapeSize; ++bit)
        theEnvironment[bit] = theRefEnvironment[bit];
    emit signal_EnvironmentUpdate();
    emit events->landscapeChanged(RunEvents::Reloaded, QString());
}

void MainWindow::slot_RunPreState()
{
    setStoppedState(false);
    emit signal_RunPreState(iterations);
}

void MainWindow::slot_StepPreState()
{
    emit signal_RunPreState(1);
}

void MainWindow::slot_StopState()
{
    vezo_timer_ptr->stop();
    setStoppedState(true);
}

void MainWindow::slot_NewGenes()
{
    drawGenomes(theCommunity);
    emit signal_GenomeUpdate();
    emit events->genomesReplaced(RunEvents::NewGenes);
}

void MainWindow::slot_LoadFile()
{
    const QString text = InputFileComboBox_ptr->currentText();
    const QString afilename = QDir::isAbsolutePath(text) ? text : QDir::currentPath() + "/" + text;

    // A relative name is opened from the working directory itself, so that a folder
    // name that is not valid text keeps its bytes. Only regular files: a FIFO would
    // block the window and a device may never end.
    const QByteArray path = QDir::isAbsolutePath(text) ? QFile::encodeName(text) : "./" + QFile::encodeName(text);
    QString reason;
    ++loadAttempts;
    if (loadLandscape(path, theEnvironment, reason)) {
        loadError.clear();
    } else {
        loadError = tr("cannot load '%1': %2").arg(afilename, reason);
        std::fprintf(stderr, "vezo-vizoziv: %s\n", qPrintable(loadError));
    }
    emit signal_EnvironmentUpdate();
    if (loadError.isEmpty())
        emit events->landscapeChanged(RunEvents::Loaded, QFileInfo(text).fileName());
    else
        emit events->loadFailed(loadError);
}

// Rotate left: index 0 wraps to the last.
void MainWindow::slot_LShift()
{
    const int temp = theEnvironment[0];
    for (bit = 0; bit < LastGenome; ++bit)
        theEnvironment[bit] = theEnvironment[bit + 1];
    theEnvironment[LastGenome] = temp;
    emit signal_EnvironmentUpdate();
    emit events->landscapeChanged(RunEvents::ShiftedLeft, QString());
}

// Rotate right: the last index wraps to 0.
void MainWindow::slot_RShift()
{
    const int temp = theEnvironment[LastGenome];
    for (bit = LastGenome; bit > 0; --bit)
        theEnvironment[bit] = theEnvironment[bit - 1];
    theEnvironment[0] = temp;
    emit signal_EnvironmentUpdate();
    emit events->landscapeChanged(RunEvents::ShiftedRight, QString());
}

// Raise: no ceiling below the largest int, where values stay.
void MainWindow::slot_UShift()
{
    for (bit = 0; bit < LandscapeSize; ++bit) {
        if (theEnvironment[bit] < INT_MAX)
            ++theEnvironment[bit];
    }
    emit signal_EnvironmentUpdate();
    emit events->landscapeChanged(RunEvents::Raised, QString());
}

// Lower: the floor is 1, so 0 and negative values become 1.
void MainWindow::slot_DShift()
{
    for (bit = 0; bit < LandscapeSize; ++bit) {
        if (theEnvironment[bit] <= 1)
            theEnvironment[bit] = 1;
        else
            --theEnvironment[bit];
    }
    emit signal_EnvironmentUpdate();
    emit events->landscapeChanged(RunEvents::Lowered, QString());
}

// "Stop", "Run", "Load File:", "New Genes" and the parameter boxes follow the run state;
// "Step" and the landscape edits stay enabled in both.
void MainWindow::setStoppedState(bool stopped)
{
    newgenesBTN_ptr->setEnabled(stopped);
    loadBTN_ptr->setEnabled(stopped);
    runBTN_ptr->setEnabled(stopped);
    stopBTN_ptr->setEnabled(!stopped);
    integerLabelParam0_ptr->setEnabled(stopped);
    integerLabelParam1_ptr->setEnabled(stopped);
    integerLabelParam2_ptr->setEnabled(stopped);
    integerLabelParam3_ptr->setEnabled(stopped);
    integerSpinBoxParam0_ptr->setEnabled(stopped);
    integerSpinBoxParam1_ptr->setEnabled(stopped);
    integerSpinBoxParam2_ptr->setEnabled(stopped);
    integerSpinBoxParam3_ptr->setEnabled(stopped);
    events->setRunning(!stopped);
}

int generationDisplayValue(qint64 generations)
{
    return static_cast<int>(generations % GenerationDisplayModulus);
}

// 0 runs generations as fast as the event loop allows, as the described window does.
void MainWindow::setRunInterval(int milliseconds)
{
    vezo_timer_ptr->setTimerType(milliseconds > 0 ? Qt::PreciseTimer : Qt::CoarseTimer);
    vezo_timer_ptr->setInterval(milliseconds);
}

void MainWindow::focusRun()
{
    runBTN_ptr->setFocus(Qt::OtherFocusReason);
}

// A new start: genomes drawn after srand(seed), the next generation seeded alike,
// the count back at 0.
void MainWindow::restartWithSeed(unsigned seed)
{
    ProcessRandom::seed(seed);
    drawGenomes(theCommunity);
    vezo_seed_next_generation(seed);
    generations = 0;
    generationLCD_ptr->display(generationDisplayValue(generations));
    emit signal_GenomeUpdate();
    emit events->genomesReplaced(RunEvents::Restart);
}

QString MainWindow::selectedFileName() const
{
    return InputFileComboBox_ptr->currentText();
}

QStringList MainWindow::landscapeNames() const
{
    QStringList names;
    for (int item = 0; item < InputFileComboBox_ptr->count(); ++item)
        names << InputFileComboBox_ptr->itemText(item);
    return names;
}

void MainWindow::setLandscape(const int *values, RunEvents::LandscapeChange change, const QString &name)
{
    std::copy(values, values + LandscapeSize, theEnvironment);
    emit signal_EnvironmentUpdate();
    emit events->landscapeChanged(change, name);
}

void MainWindow::loadFile(const QString &nameOrPath)
{
    InputFileComboBox_ptr->setEditText(nameOrPath);
    slot_LoadFile();
}

RunState MainWindow::state() const
{
    RunState state;
    std::copy(theEnvironment, theEnvironment + LandscapeSize, state.landscape);
    std::copy(theRefEnvironment, theRefEnvironment + LandscapeSize, state.reference);
    state.settings = Settings{currentFitness, currentMuteProb, currentMuteBias};
    for (int membr = 0; membr < CommunitySize; ++membr)
        state.genomes[membr] = genomeAsInteger(GenomeLength, const_cast<int *>(theCommunity[membr]));
    state.generation = generations;
    state.seed = ProcessRandom::seedValue();
    state.draws = ProcessRandom::draws();
    state.reseedPending = vezo_reseed_pending(&state.reseedSeed);
    return state;
}

void MainWindow::restoreState(const RunState &state)
{
    std::copy(state.landscape, state.landscape + LandscapeSize, theEnvironment);
    std::copy(state.reference, state.reference + LandscapeSize, theRefEnvironment);
    setFitness(state.settings.fitness);
    setMuteProb(state.settings.mutation);
    setMuteBias(state.settings.bias);
    for (int membr = 0; membr < CommunitySize; ++membr) {
        for (int gene = 0; gene < GenomeLength; ++gene)
            theCommunity[membr][gene] = (state.genomes[membr] >> gene) & 1;
    }
    generations = state.generation;
    generationLCD_ptr->display(generationDisplayValue(generations));
    ProcessRandom::restore(state.seed, state.draws);
    if (state.reseedPending)
        vezo_seed_next_generation(state.reseedSeed);
    else
        vezo_cancel_reseed();
    emit signal_EnvironmentUpdate();
    emit signal_GenomeUpdate();
    emit events->landscapeChanged(RunEvents::Snapshot, QString::fromStdString(state.name));
    emit events->genomesReplaced(RunEvents::SnapshotGenomes);
}
