// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LESSONPANEL_H
#define LESSONPANEL_H

#include <QWidget>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QVBoxLayout;
QT_END_NAMESPACE
class LessonModel;

// A lesson beside the run: its title, the notes of the page shown in Markdown,
// and on a step's page the question with its choices, "Run step" and the answer
// the program measured beside the class's prediction. "Edit notes" turns the
// notes into their Markdown source in the language shown, for a teacher to write;
// the snapshot keeps them when saved. Everything it shows comes from the model.
class LessonPanel : public QWidget
{
    Q_OBJECT

public:
    explicit LessonPanel(LessonModel *model, QWidget *parent = nullptr);

    void setZoom(double zoom);
    bool isEditing() const;
    void setEditing(bool editing);
    QPushButton *runStepButton() const { return runButton; }
    // Top to bottom; the choices follow the notes, made anew with each page.
    QList<QWidget *> tabOrder() const;

signals:
    // A step could not start, or its run stopped early: why, for the status line.
    void said(const QString &message);
    // The step's experiment, to be made again in the experiment window.
    void experimentRequested();

protected:
    // A click on a choice's words chooses it, as on its button.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showLesson();
    void showPage();
    void showAnswer();
    void runStep();
    QString measuredText() const;
    QString actionText() const;

    LessonModel *model;
    QLabel *title;
    QLineEdit *titleEditor;
    QComboBox *languageBox;
    QPushButton *editButton;
    QStackedWidget *notesStack;
    QTextBrowser *notes;
    QPlainTextEdit *notesEditor;
    QGroupBox *questionBox;
    QLabel *question;
    QVBoxLayout *choiceLayout;
    QButtonGroup *choices;
    QList<QWidget *> choiceRows; // a button and its words, which wrap
    QLabel *action;
    QPushButton *runButton;
    QPushButton *experimentButton;
    QLabel *answer;
    QPushButton *backButton;
    QLabel *pageLabel;
    QPushButton *nextButton;
};

#endif
