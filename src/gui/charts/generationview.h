// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENERATIONVIEW_H
#define GENERATIONVIEW_H

#include "generationstep.h"
#include "parameters.h"
#include "selectioncheck.h"

#include <QTimer>
#include <QWidget>

// One generation laid open: the wheel with each member's share, expected copies
// and draws; the five pairs with their split and the children they made; the odds
// of mutation at the current setting; and, since counting began, whether the
// wheel draws the members as often as their shares say.
class Throttle;

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
    double zoom() const { return scale; }

    bool hasGeneration() const { return generation >= 0; }
    const SelectionCheck &selectionCheck() const { return check; }

private:
    class Part;
    using Painter = void (GenerationView::*)(QPainter &, const QRectF &) const;

    Part *addPart(Painter painter, const QString &name, QSize minimum);
    void paintWheel(QPainter &painter, const QRectF &area) const;
    void paintPairs(QPainter &painter, const QRectF &area) const;
    void paintMutation(QPainter &painter, const QRectF &area) const;
    void paintCalibration(QPainter &painter, const QRectF &area) const;
    double px(double length) const { return length * scale; }
    void changed();
    void describe();
    QString wheelDescription() const;
    QString pairsDescription() const;
    QString mutationDescription() const;
    QString calibrationDescription() const;

    GenerationTrace latest;
    int childFitness[CommunitySize];
    long long generation = -1;
    Settings settings;
    SelectionCheck check;
    double scale = 1.0;

    QList<Part *> parts;
    Throttle *describing;
};

#endif
