// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNCAPTION_H
#define RUNCAPTION_H

#include <QWidget>

class MainWindow;

// What the charts show: the landscape, the parameters, the seed and the
// generation, on as many lines as the width needs. Painted from the
// window's state, so that a running window costs it nothing but an update.
class RunCaption : public QWidget
{
    Q_OBJECT

public:
    explicit RunCaption(const MainWindow *window, QWidget *parent = nullptr);

    void setLandscapeName(const QString &name);
    void setSeed(unsigned seed);
    // As many lines as the width takes; done by itself but for the count's growth.
    void fitHeight();
    QString text() const;
    // The text as it fits the width in the font.
    QStringList lines(const QFontMetrics &metrics, int width) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QStringList parts(qint64 generation) const;
    int heightForWidth(int width) const override;

    const MainWindow *window;
    QString landscapeName;
    unsigned seed;
};

#endif
