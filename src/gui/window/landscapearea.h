// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEAREA_H
#define LANDSCAPEAREA_H

#include "sizes.h"

#include <QWidget>

class LandscapeArea : public QWidget
{
    Q_OBJECT

public:
    explicit LandscapeArea(QWidget *parent = nullptr);

    void LandscapeArea_setup(int *environment, int (*community)[9]);

public slots:
    void slot_LandscapeUpdate();
    void slot_EnvironmentUpdate();
    void slot_MMRsUpdate();
    void slot_ClearHistory();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateIfAttached(const void *data);
    void paintEnvironment(QPainter &painter);
    void paintLandscape(QPainter &painter);
    void paintMemberMarkers(QPainter &painter);
    QRect EnvironmentRect() const;

    int *ptr_to_environment;
    Genome *ptr_to_community;
};

#endif
