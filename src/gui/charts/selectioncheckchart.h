// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SELECTIONCHECKCHART_H
#define SELECTIONCHECKCHART_H

#include "generationpart.h"
#include "selectioncheck.h"

// Whether the wheel draws the members as often as their shares say: over the
// generations counted, the mean draws of members against the copies they could
// expect, binned, with error bars; fair draws lie near the diagonal.
class SelectionCheckChart : public GenerationPart
{
    Q_OBJECT

public:
    explicit SelectionCheckChart(QWidget *parent = nullptr);

    void addGeneration(const GenerationTrace &trace);
    // Starts counting again.
    void clear();
    const SelectionCheck &selectionCheck() const { return check; }

protected:
    void paint(QPainter &painter) override;
    QString description() const override;

private:
    SelectionCheck check;
};

#endif
