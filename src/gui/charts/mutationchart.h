// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MUTATIONCHART_H
#define MUTATIONCHART_H

#include "generationpart.h"
#include "generationstep.h"
#include "parameters.h"

// Mutation in numbers: the share of children that mutate at the mutation
// setting, how many did in the latest generation, and each bit's chance to be
// the one that flips at the bias setting.
class MutationChart : public GenerationPart
{
    Q_OBJECT

public:
    explicit MutationChart(QWidget *parent = nullptr);

    // The setting shown, before the next generation brings its own.
    void setSettings(const Settings &settings);
    void setGeneration(long long generation, const GenerationTrace &trace, const Settings &settings);
    // Nothing said of a generation until the next one.
    void forgetGeneration();

protected:
    void paint(QPainter &painter) override;
    QString description() const override;

private:
    Settings settings;
    long long generation = -1;
    int mutated = 0;
};

#endif
