// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SCHEMATAVIEW_H
#define SCHEMATAVIEW_H

#include "generationstep.h"
#include "parameters.h"
#include "schemaseries.h"

#include <QWidget>

#include <vector>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
QT_END_NAMESPACE

class SchemaChart;
class Throttle;

// Schemata the user types, each followed over the generations: how many members
// match, and beside it the lower bound the schema theorem gave for that count from
// the generation before, with its factors spelt out for the latest step.
class SchemataView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MostSchemata = 8;
    // Columns per schema.
    static constexpr int MostColumns = SchemaSeries::MostColumns;

    explicit SchemataView(QWidget *parent = nullptr);

    // The generation that trace made, with its number. A number no higher than the
    // last one means a new run: the counts so far are forgotten.
    void addGeneration(long long generation, const GenerationTrace &trace, const Settings &settings);
    // Follows the schema written in text (bit 8 first); false, with the reason
    // shown, when it is not one or cannot be added.
    bool track(const QString &text);
    void remove(int index);
    // Forgets the counts and keeps the schemata.
    void clearCounts();
    // 1.0 to 3.0: fonts, lines and spacing.
    void setZoom(double zoom);
    // The least height for the width: its wrapped labels would otherwise make a
    // scroll area around it scroll to give the list its preferred height.
    int heightForWidth(int width) const override;

    int trackedCount() const { return static_cast<int>(tracked.size()); }
    QString schemaText(int index) const;
    // Columns kept for the schema, at most MostColumns.
    int columnCount(int index) const { return static_cast<int>(tracked[index].columns().size()); }
    QString message() const;
    QString explanation() const;
    // Its controls and chart in the order Tab visits them.
    QList<QWidget *> tabOrder() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addPoint(SchemaSeries &series);
    void showMessage(const QString &text, bool error);
    void trackTyped();
    void removeSelected();
    void rebuildList();
    void changed();
    void describe();
    void setExplanationMinimum();
    int explained() const;

    std::vector<SchemaSeries> tracked;
    GenerationTrace latest;
    long long generation = -1;
    Settings settings;
    double scale = 1.0;

    QLineEdit *input;
    QPushButton *trackButton;
    QLabel *messageLabel;
    QListWidget *list;
    QPushButton *removeButton;
    SchemaChart *chart;
    QTextBrowser *explanationText;
    Throttle *describing;
    QString shownExplanation;
    bool describeWhenShown = true;
};

#endif
