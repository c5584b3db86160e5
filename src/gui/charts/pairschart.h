// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PAIRSCHART_H
#define PAIRSCHART_H

#include "generationpart.h"
#include "generationstep.h"

// The five pairs that made a generation: each child beside the parent whose bits
// it kept, the split, the bits it took from the partner and the bit that flipped,
// with the genomes as numbers and their fitness.
class PairsChart : public GenerationPart
{
    Q_OBJECT

public:
    explicit PairsChart(QWidget *parent = nullptr);

    // The children's fitness is read from landscape.
    void setGeneration(long long generation, const GenerationTrace &trace, const int *landscape);
    // Nothing shown until the next generation.
    void forgetGeneration();

protected:
    void paint(QPainter &painter) override;
    QString description() const override;

private:
    const GenerationTrace *latest = nullptr; // the view's copy
    int childFitness[CommunitySize] = {};
    long long generation = -1;
};

#endif
