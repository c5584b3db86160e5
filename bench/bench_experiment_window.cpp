// SPDX-License-Identifier: GPL-3.0-or-later
// The Experiment window running 1,000 runs of 500 generations on all cores: the
// time from Start to the results drawn, as a user waits for them. Offscreen unless
// QT_QPA_PLATFORM says otherwise.
//     bench_experiment_window [repetitions]
#include "experimentwindow.h"
#include "startstate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QSpinBox>

#include <cstdio>

namespace {
const int Seeds = 1000;
const int Generations = 500;

template <typename Widget>
Widget *named(const QWidget &window, const QString &name)
{
    for (Widget *candidate : window.findChildren<Widget *>()) {
        if (candidate->accessibleName() == name)
            return candidate;
    }
    std::fprintf(stderr, "no control named %s\n", qPrintable(name));
    std::exit(1);
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 5;
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    ExperimentWindow window(tent, "tent", Settings());
    window.resize(1280, 680);
    window.show();
    named<QLineEdit>(window, "Values of the parameter to vary")->setText("1");
    named<QSpinBox>(window, "Number of seeds")->setValue(Seeds);
    named<QSpinBox>(window, "Generations per run")->setValue(Generations);
    QApplication::processEvents();

    for (int repetition = 0; repetition < repetitions; ++repetition) {
        QEventLoop loop;
        QObject::connect(&window, &ExperimentWindow::finished, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        window.start();
        loop.exec();
        const qint64 finished = clock.elapsed();
        window.repaint();
        std::printf("%d runs x %d generations: results in %lld ms, drawn at %lld ms\n", Seeds, Generations,
                    static_cast<long long>(finished), static_cast<long long>(clock.elapsed()));
    }
    return 0;
}
