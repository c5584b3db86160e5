// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BITCELLS_H
#define BITCELLS_H

#include "chartstyle.h"

#include <QLineF>
#include <QList>
#include <QRectF>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

// Genomes as rows of bit cells, bit 8 on the left, with the split of each pair
// and the flipped bits marked; gathered to be painted in a few calls.
class BitCells
{
public:
    static inline const QColor SplitColour = Chart::Red;
    static inline const QColor PartnerColour = Chart::Blue;
    static inline const QColor FlipColour = Chart::Orange;
    static constexpr double FontShare = 0.85; // of the chart's font

    explicit BitCells(double zoom);

    // A row of cells across area; the split is marked between bit split and bit
    // split - 1. A child's cells below the split come from its partner.
    void add(const QRectF &area, int genome, int split, bool child, int flipped);
    void paint(QPainter &painter) const;

private:
    enum Kind { Zero, One, PartnerZero, PartnerOne, FlippedZero, FlippedOne, Kinds };

    double zoom;
    QList<QRectF> boxes[Kinds];
    QList<QLineF> splits;
};

#endif
