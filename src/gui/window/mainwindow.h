// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "generationstep.h"
#include "parameters.h"
#include "runevents.h"
#include "runstate.h"
#include "sizes.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLCDNumber;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
QT_END_NAMESPACE
class LandscapeArea;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Read-only views of the simulation state.
    const int *environment() const { return theEnvironment; }
    const int *referenceEnvironment() const { return theRefEnvironment; }
    const Genome *community() const { return theCommunity; }
    qint64 generationCount() const { return generations; }
    int fitnessMultiplier() const { return currentFitness; }
    int mutationProbability() const { return currentMuteProb; }
    int mutationBias() const { return currentMuteBias; }
    Settings settings() const { return Settings{currentFitness, currentMuteProb, currentMuteBias}; }
    // How many times "Load File:" was used, and why the latest one failed (empty when it loaded).
    int loadCount() const { return loadAttempts; }
    QString lastLoadError() const { return loadError; }
    // The name in the selector beside "Load File:", and the names it offers.
    QString selectedFileName() const;
    QStringList landscapeNames() const;
    // Every change to the run, as it happens.
    const RunEvents *runEvents() const { return events; }

    // Plain controls for other windows: they change no widget of this one but
    // the generation display and the view, and the selector for loadFile().
    void setRunInterval(int milliseconds);
    // The keyboard focus on "Run" (Quit, first in Tab order, would end the program on Space).
    void focusRun();
    void restartWithSeed(unsigned seed);
    // Sets the whole landscape and tells the views, as the landscape edits do; the
    // change and its name are announced.
    void setLandscape(const int *values, RunEvents::LandscapeChange change = RunEvents::Stroke,
                      const QString &name = QString());
    // "Load File:" with a name in the start folder or an absolute path.
    void loadFile(const QString &nameOrPath);
    // The run as it stands and a run put back: landscape, reference, parameters (the
    // controls follow), genomes, generation count, generator and pending reseed. The
    // pace is not this window's, nor is the landscape's name: state() leaves both at
    // their defaults, and restoreState() only announces the name with the landscape.
    RunState state() const;
    void restoreState(const RunState &state);

public slots:
    void slot_RunState(int steps);
    void setFitness(int fitness);
    void setAmplitude(int amplitude);
    void setMuteProb(int muteprob);
    void setMuteBias(int mutebias);
    void slot_vezo();
    void slot_Reload();
    void slot_RunPreState();
    void slot_StepPreState();
    void slot_StopState();
    void slot_NewGenes();
    void slot_LoadFile();
    void slot_LShift();
    void slot_RShift();
    void slot_UShift();
    void slot_DShift();

signals:
    void FitnessChanged(int);
    void AmplitudeChanged(int);
    void MuteProbChanged(int);
    void MuteBiasChanged(int);
    void signal_LoadFile();
    void signal_RunPreState(int);
    void signal_StopState();
    void signal_EnvironmentUpdate();
    void signal_LandscapeUpdate();
    void signal_MMRsUpdate();
    void signal_GenomeUpdate();

private:
    void setStoppedState(bool stopped);

    QTimer *vezo_timer_ptr;
    LandscapeArea *Lbox_ptr;
    QComboBox *InputFileComboBox_ptr;
    QPushButton *runBTN_ptr;
    QPushButton *stepBTN_ptr;
    QPushButton *stopBTN_ptr;
    QPushButton *loadBTN_ptr;
    QPushButton *newgenesBTN_ptr;
    QLabel *integerLabelParam0_ptr;
    QLabel *integerLabelParam1_ptr;
    QLabel *integerLabelParam2_ptr;
    QLabel *integerLabelParam3_ptr;
    QSpinBox *integerSpinBoxParam0_ptr;
    QSpinBox *integerSpinBoxParam1_ptr;
    QSpinBox *integerSpinBoxParam2_ptr;
    QSpinBox *integerSpinBoxParam3_ptr;
    QString ttip_clearhistBTN;
    QString ttip_fitnessBOX;
    QString ttip_mutebiasBOX;
    QString ttip_muteprobBOX;
    QLCDNumber *generationLCD_ptr;

    int freeToRun = 0;
    int MuteProb = 0;
    int bit = 0;
    int membr = 0;
    int theRefEnvironment[LandscapeSize];
    int theEnvironment[LandscapeSize];
    Genome theCommunity[CommunitySize];
    int iterations;
    qint64 generations;
    int currentFitness = 0;
    int currentAmplitude = 0;
    int currentMuteProb = 0;
    int currentMuteBias = 0;
    int Param0 = 0;
    int Param1 = 0;
    int Param2 = 0;
    int Param3 = 0;
    int loadAttempts = 0;
    QString loadError;
    RunEvents *events;
    GenerationTrace trace;
};

// What the eight-digit generation display shows for a count: its last eight digits.
int generationDisplayValue(qint64 generations);

#endif
