// SPDX-License-Identifier: GPL-3.0-or-later
// One paint of the landscape view at its size in the default window, against the
// same picture drawn with one drawPoint call per point.
#include "landscapearea.h"
#include "mainwindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "common.h"

namespace {
class PointByPointArea : public QWidget
{
public:
    PointByPointArea(const int *environment, const int (*community)[9])
        : environment(environment), community(community)
    {
        setPalette(QPalette(QColor(100, 100, 100, 255)));
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.translate(0.0, 445.0);
        painter.setPen(Qt::darkBlue);
        painter.drawLine(10, 0, 552, 0);
        painter.drawLine(10, -435, 552, -435);
        painter.drawLine(10, 0, 10, -435);
        painter.drawLine(552, 0, 552, -435);
        painter.setPen(Qt::cyan);
        painter.drawLine(30, -25, 542, -25);
        painter.drawLine(30, -425, 542, -425);
        painter.drawLine(30, -25, 30, -425);
        painter.drawLine(542, -25, 542, -425);
        painter.setPen(Qt::gray);
        for (int i = 0; i < 512; ++i)
            painter.drawPoint(30 + i, -25 - environment[i]);
        painter.setPen(Qt::green);
        for (int m = 0; m < 10; ++m) {
            const int g = genomeAsInteger(9, const_cast<int *>(community[m]));
            painter.setPen(Qt::black);
            painter.drawPoint(30 + g, -2);
            painter.setPen(Qt::green);
            for (int dx = -1; dx <= 1; ++dx)
                painter.drawPoint(30 + g + dx, -4 - 2 * m);
        }
    }

private:
    const int *environment;
    const int (*community)[9];
};

MainWindow *window;

void paintRepeatedly(benchmark::State &state, QWidget &view, QSize size)
{
    view.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    state.SetLabel(QString("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

QSize viewSize()
{
    return window->findChild<LandscapeArea *>()->size();
}

void BM_PaintView(benchmark::State &state)
{
    LandscapeArea view;
    view.LandscapeArea_setup(const_cast<int *>(window->environment()),
                             const_cast<int (*)[9]>(window->community()));
    paintRepeatedly(state, view, viewSize());
}

void BM_PaintPointByPoint(benchmark::State &state)
{
    PointByPointArea view(window->environment(), window->community());
    paintRepeatedly(state, view, viewSize());
}
}

BENCHMARK(BM_PaintView);
BENCHMARK(BM_PaintPointByPoint);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainWindow mainWindow;
    mainWindow.setGeometry(50, 0, 800, 600);
    mainWindow.show();
    QApplication::processEvents();
    window = &mainWindow;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
