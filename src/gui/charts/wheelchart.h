// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WHEELCHART_H
#define WHEELCHART_H

#include "generationpart.h"
#include "generationstep.h"

// The wheel that drew a generation: each member's fitness and share of it, the
// copies it could expect from the ten draws as a bar, and those it got as a dot.
class WheelChart : public GenerationPart
{
    Q_OBJECT

public:
    explicit WheelChart(QWidget *parent = nullptr);

    void setGeneration(long long generation, const GenerationTrace &trace);
    // Nothing shown until the next generation.
    void forgetGeneration();

protected:
    void paint(QPainter &painter) override;
    QString description() const override;

private:
    // The wheel's rule with this generation's numbers, "lowest 120 → shares 3, 2, 1, … × 20",
    // in at most the width given.
    QStringList rule(const QFontMetrics &metrics, double width) const;

    const GenerationTrace *latest = nullptr; // the view's copy
    long long generation = -1;
};

#endif
