// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTFORM_H
#define EXPERIMENTFORM_H

#include "parameters.h"
#include "sizes.h"

#include <QGroupBox>

QT_BEGIN_NAMESPACE
class QAction;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
QT_END_NAMESPACE
struct ExperimentPlan;
struct Variation;

// The plan of an experiment as the user makes it: one or two parameters varied
// over values, the others as in the main window, the seeds, the generations and
// the target; says what Start would do or what stands in its way, and shows the
// progress of the experiment under way. Its buttons trigger the window's actions.
class ExperimentForm : public QGroupBox
{
    Q_OBJECT

public:
    struct Actions
    {
        QAction *start;
        QAction *cancel;
        QAction *exportCsv;
        QAction *saveImage;
    };

    explicit ExperimentForm(const Actions &actions, QWidget *parent = nullptr);

    // What the next experiment starts from. A new landscape resets the target to its highest value.
    void setStart(const int *landscape, const QString &landscapeName, const Settings &settings);
    const QString &landscapeName() const { return name; }
    // One parameter varied over the values, the seeds from 1, the generations and the target.
    void setPlan(const Variation &variation, long long seeds, long long generations, int target);
    // False, with the reason, when the controls do not make a plan; marks each list of values that does not parse.
    bool readPlan(ExperimentPlan &plan, QString &error);
    bool isPlanValid() const { return planValid; }
    // Says what Start would do, or what stands in its way.
    void validate();
    // The controls are fixed while an experiment runs.
    void setRunning(bool running);
    // Runs done of all; nothing when there are none.
    void showProgress(long long done, long long total);

signals:
    // After every change of the controls, with whether they make a plan.
    void planChanged(bool valid);

private:
    QFormLayout *rows();

    int landscape[LandscapeSize];
    QString name;
    Settings base;
    bool planValid = false;

    QLabel *landscapeLabel;
    QComboBox *firstParameter;
    QLineEdit *firstValues;
    QComboBox *secondParameter;
    QLineEdit *secondValues;
    QLabel *fixedLabel;
    QDoubleSpinBox *firstSeedBox;
    QSpinBox *seedCountBox;
    QSpinBox *generationsBox;
    QSpinBox *targetBox;
    QPushButton *highestButton;
    QProgressBar *progressBar;
    QLabel *messageLabel;
};

#endif
