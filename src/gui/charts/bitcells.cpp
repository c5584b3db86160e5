// SPDX-License-Identifier: GPL-3.0-or-later
#include "bitcells.h"
#include "generationpart.h"
#include "sizes.h"

#include <QPainter>
#include <QStaticText>

#include <algorithm>

namespace {
// Sizes at zoom 1.
const double SplitWidth = 2;
const double FlipWidth = 2;
const QColor OneColour(70, 70, 70);
const QColor ZeroColour(Qt::white);
const QColor PartnerZeroColour(205, 222, 250);
const QColor CellEdge(173, 173, 169);
}

BitCells::BitCells(double zoom)
    : zoom(zoom)
{
}

void BitCells::add(const QRectF &area, int genome, int split, bool child, int flipped)
{
    const double cell = area.width() / GenomeLength;
    const double side = std::min(cell, area.height()) - zoom * GenerationPart::CellGap;
    for (int position = 0; position < GenomeLength; ++position) {
        const int bit = GenomeLength - 1 - position;
        const bool one = genome >> bit & 1;
        const Kind kind = bit == flipped ? (one ? FlippedOne : FlippedZero)
                          : child && bit < split ? (one ? PartnerOne : PartnerZero)
                                                 : (one ? One : Zero);
        boxes[kind] << QRectF(area.left() + position * cell, area.center().y() - side / 2, side, side);
    }
    const double x = area.left() + (GenomeLength - split) * cell - zoom * GenerationPart::CellGap / 2;
    const double reach = zoom * GenerationPart::RowGap / 2; // into the gaps between rows
    splits << QLineF(x, area.top() - reach, x, area.bottom() + reach);
}

void BitCells::paint(QPainter &painter) const
{
    static const QColor fills[Kinds] = {ZeroColour,    OneColour,  PartnerZeroColour,
                                        PartnerColour, FlipColour, FlipColour};
    painter.save();
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * FontShare);
    painter.setFont(font);
    QStaticText digits[2] = {QStaticText(QStringLiteral("0")), QStaticText(QStringLiteral("1"))};
    for (QStaticText &digit : digits)
        digit.prepare(painter.transform(), font);
    for (int kind = 0; kind < Kinds; ++kind) {
        const bool flip = kind == FlippedZero || kind == FlippedOne;
        painter.setPen(QPen(flip ? SplitColour : CellEdge, zoom * (flip ? FlipWidth : 1)));
        painter.setBrush(fills[kind]);
        painter.drawRects(boxes[kind].constData(), static_cast<int>(boxes[kind].size()));
        const bool one = kind == One || kind == PartnerOne || kind == FlippedOne;
        const QStaticText &digit = digits[one];
        painter.setPen(kind == One || kind == PartnerOne ? Qt::white : Qt::black);
        for (const QRectF &box : boxes[kind])
            painter.drawStaticText(box.center() - QPointF(digit.size().width(), digit.size().height()) / 2, digit);
    }
    painter.setPen(QPen(SplitColour, zoom * SplitWidth));
    painter.drawLines(splits);
    painter.restore();
}
