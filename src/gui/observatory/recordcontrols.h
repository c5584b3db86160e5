// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDCONTROLS_H
#define RECORDCONTROLS_H

#include <QGroupBox>

QT_BEGIN_NAMESPACE
class QPushButton;
class QDoubleSpinBox;
QT_END_NAMESPACE

// What to do with the recorded run: restart it from a seed, clear it, export it
// as CSV or save a picture of it; or make many runs of it in an experiment.
class RecordControls : public QGroupBox
{
    Q_OBJECT

public:
    explicit RecordControls(QWidget *parent = nullptr);

    QList<QWidget *> tabOrder() const;
    void setSeed(unsigned seed);
    // Asks for a restart with the seed shown.
    void restart();

signals:
    void restartRequested(unsigned seed);
    void clearRequested();
    void exportRequested();
    void saveImageRequested();
    void experimentRequested();

private:
    QDoubleSpinBox *seedBox;
    QPushButton *restartButton;
    QPushButton *clearButton;
    QPushButton *exportButton;
    QPushButton *imageButton;
    QPushButton *experimentButton;
};

#endif
