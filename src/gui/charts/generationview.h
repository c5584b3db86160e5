// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENERATIONVIEW_H
#define GENERATIONVIEW_H

#include "generationstep.h"
#include "selectioncheck.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE
class MutationChart;
class PairsChart;
class SelectionCheckChart;
class WheelChart;
struct Settings;

// One generation laid open: the wheel with each member's share, expected copies
// and draws; the five pairs with their split and the children they made; the odds
// of mutation at the current setting; and, since counting began, whether the
// wheel draws the members as often as their shares say.
class GenerationView : public QWidget
{
    Q_OBJECT

public:
    explicit GenerationView(QWidget *parent = nullptr);

    // The generation that trace made, with its number; the children's fitness is
    // read from landscape. Cheap: called for every generation of a run.
    void addGeneration(long long generation, const GenerationTrace &trace, const int *landscape,
                       const Settings &settings);
    // The mutation setting shown, before the next generation brings its own.
    void setSettings(const Settings &settings);
    // Starts the selection check's counting again.
    void clearCheck();
    // A new run: nothing shown until its first generation.
    void forgetGeneration();
    // 1.0 to 3.0: fonts, lines and cells.
    void setZoom(double zoom);

    bool hasGeneration() const { return shown; }
    const SelectionCheck &selectionCheck() const;
    // Its charts and controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;

private:
    WheelChart *wheel;
    PairsChart *pairs;
    MutationChart *mutation;
    SelectionCheckChart *check;
    QPushButton *clearButton;
    bool shown = false;
    GenerationTrace latest = {}; // what the parts show
};

#endif
