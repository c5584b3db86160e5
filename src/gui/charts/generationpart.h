// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENERATIONPART_H
#define GENERATIONPART_H

#include "chartwidget.h"

// One part of the Generation tab: a chart sized in characters and lines of its
// font, painted inside a padding, with its title in bold on its first line.
class GenerationPart : public ChartWidget
{
    Q_OBJECT

public:
    // Sizes at zoom 1 that the parts share.
    static constexpr double Pad = 6;
    static constexpr double RowGap = 3;
    static constexpr double ColumnGap = 8;
    static constexpr double CellSize = 16;
    static constexpr double CellGap = 1;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    GenerationPart(QSize characters, QWidget *parent);

    // Inside the padding.
    QRectF area() const;
    // The title (or text) in bold across the top of area; returns what is left below it.
    QRectF paintHeading(QPainter &painter, const QRectF &area, const QString &text = QString()) const;

private:
    QSize characters;
};

#endif
