// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartwidget.h"
#include "chartaccessible.h"
#include "chartstyle.h"
#include "describe.h"
#include "throttle.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {
const int DescribeMilliseconds = 250;
const double FocusFrameWidth = 2.0;
}

ChartWidget::ChartWidget(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setFocusPolicy(Qt::StrongFocus);
    ChartAccessible::install();
    describing = new Throttle(DescribeMilliseconds, [this] { describe(); }, this);
}

void ChartWidget::setZoom(double zoom)
{
    scale = std::clamp(zoom, Chart::SmallestZoom, Chart::LargestZoom);
    setFont(Chart::zoomedFont(QApplication::font(), scale));
    updateGeometry();
    update();
}

void ChartWidget::setTitle(const QString &title)
{
    heading = title;
    update();
}

Chart::Colours ChartWidget::colours() const
{
    return Chart::Colours::of(palette());
}

QString ChartWidget::description() const
{
    return QString();
}

// The picture follows at the next paint, asked for once however often a run
// changes the chart before it; the words for assistive technology at most a few
// times a second, the first change after a quiet spell at once.
void ChartWidget::changed()
{
    if (!repaintPending) {
        repaintPending = true;
        update();
    }
    describing->request();
}

// Only while shown, and only what differs: a reader that is reading the words is
// not sent back to their start by the same words again.
void ChartWidget::describe()
{
    if (!isVisible()) {
        describeWhenShown = true;
        return;
    }
    describeWhenShown = false;
    const QString text = description();
    if (!text.isEmpty())
        describeWidget(this, text);
}

void ChartWidget::showEvent(QShowEvent *event)
{
    if (describeWhenShown)
        describe();
    QWidget::showEvent(event);
}

void ChartWidget::paintTitle(QPainter &painter, const QRectF &line, const QString &text) const
{
    painter.setPen(colours().text);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text.isEmpty() ? heading : text, Qt::ElideRight,
                                                      static_cast<int>(line.width())));
}

void ChartWidget::paintEvent(QPaintEvent * /* event */)
{
    repaintPending = false;
    QPainter painter(this);
    paint(painter);
    if (!hasFocus())
        return;
    const double width = px(FocusFrameWidth);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::Highlight), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}
