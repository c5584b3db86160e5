// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTWINDOW_H
#define EXPERIMENTWINDOW_H

#include "parameters.h"
#include "sizes.h"

#include <QList>
#include <QMetaType>
#include <QWidget>

#include <memory>

QT_BEGIN_NAMESPACE
class QDoubleSpinBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QStackedWidget;
class QStatusBar;
class QTableView;
class QTimer;
QT_END_NAMESPACE
class ExperimentChart;
class HeatMapChart;
class HitRateChart;
class RunLengthChart;
class RunTableModel;
struct ExperimentPlan;

Q_DECLARE_METATYPE(Settings)

// Many runs at once from the main window's landscape and parameters: one or two
// parameters varied over values, each combination with a range of seeds, run on
// every core. Shows how often the runs hit a target, and when, and lists them;
// any run listed can be watched in the main window.
class ExperimentWindow : public QWidget
{
    Q_OBJECT

public:
    ExperimentWindow(const int *landscape, const QString &landscapeName, const Settings &settings,
                     QWidget *parent = nullptr);
    ~ExperimentWindow() override;

    // What the next experiment starts from. A new landscape resets the target to its highest value.
    void setStart(const int *landscape, const QString &landscapeName, const Settings &settings);
    // From the controls; false, with the reason shown, when they are not valid.
    bool start();
    // Stops the experiment under way; the results shown before stay.
    void cancel();
    bool isRunning() const { return running != nullptr; }
    // The runs shown, 0 before the first experiment has finished.
    int runCount() const;

    // The per-run CSV of the results shown; false with the reason in error.
    bool exportCsv(const QString &path, QString &error) const;
    // The charts as a PNG.
    bool saveImage(const QString &path, QString &error);

    QSize sizeHint() const override;

signals:
    // A run to watch in the main window, exactly as it ran here.
    void runChosen(const QList<int> &landscape, const QString &landscapeName, const Settings &settings, unsigned seed);
    // An experiment has finished and its results are shown.
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct Results;
    struct Running;

    bool readPlan(ExperimentPlan &plan, QString &error);
    void validate();
    void poll();
    void showResults();
    void chooseRun(const QModelIndex &index);
    void chooseCombination(int combination);
    void emitRun(std::size_t index);
    void chooseCsvFile();
    void chooseImageFile();
    QImage picture() const;
    void showProgress(long long done, long long total);
    void updateButtons();
    QList<ExperimentChart *> charts() const;

    int landscape[LandscapeSize];
    QString landscapeName;
    Settings base;
    std::unique_ptr<Results> shown;
    std::unique_ptr<Running> running;

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
    QPushButton *startButton;
    QPushButton *cancelButton;
    QProgressBar *progressBar;
    QLabel *messageLabel;
    QPushButton *exportButton;
    QPushButton *imageButton;
    QStackedWidget *chartStack;
    QWidget *ratePage;
    HitRateChart *hitRateChart;
    RunLengthChart *runLengthChart;
    HeatMapChart *heatMapChart;
    RunTableModel *model;
    QSortFilterProxyModel *sorted;
    QTableView *table;
    QStatusBar *statusBar;
    QTimer *pollTimer;
    bool planValid = false;
};

#endif
