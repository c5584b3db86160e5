// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonpanel.h"
#include "chartstyle.h"
#include "lessonmodel.h"
#include "panelbutton.h"
#include "parametercaption.h"

#include <QButtonGroup>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>

namespace {
const int MinimumLanguageLength = 8; // characters the language box shows at least

// Markdown gives code the fixed font at its own size: here it follows the notes' font.
void fitCodeToFont(QTextDocument *document, const QFont &font)
{
    QTextCharFormat size;
    if (font.pointSizeF() > 0)
        size.setFontPointSize(font.pointSizeF());
    else
        size.setProperty(QTextFormat::FontPixelSize, font.pixelSize());
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator part = block.begin(); !part.atEnd(); ++part) {
            const QTextFragment fragment = part.fragment();
            if (!fragment.charFormat().fontFixedPitch())
                continue;
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(size);
        }
    }
}
}

LessonPanel::LessonPanel(LessonModel *model, QWidget *parent) : QWidget(parent), model(model)
{
    title = new QLabel;
    title->setWordWrap(true);
    title->setTextFormat(Qt::RichText);
    titleEditor = new QLineEdit;
    titleEditor->setAccessibleName(tr("Title of the lesson"));
    titleEditor->hide();
    languageBox = new QComboBox;
    languageBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    languageBox->setMinimumContentsLength(MinimumLanguageLength);
    describeControl(languageBox, tr("Language of the lesson"), tr("The language the notes are shown and edited in"));
    editButton = new QPushButton(tr("Edit notes"));
    editButton->setCheckable(true);
    editButton->setToolTip(tr("Write the title and this page's notes in Markdown; \"Save snapshot…\" keeps them"));

    notes = new QTextBrowser;
    notes->setOpenExternalLinks(true);
    notes->setAccessibleName(tr("Lesson notes"));
    notesEditor = new QPlainTextEdit;
    notesStack = new QStackedWidget;
    notesStack->addWidget(notes);
    notesStack->addWidget(notesEditor);

    question = new QLabel;
    question->setWordWrap(true);
    choices = new QButtonGroup(this);
    questionBox = new QGroupBox(tr("Your prediction"));
    choiceLayout = new QVBoxLayout(questionBox);
    choiceLayout->addWidget(question);

    action = new QLabel;
    action->setWordWrap(true);
    runButton = panelButton(tr("Run step"), tr("Do what this step says and measure the answer"));
    experimentButton = panelButton(tr("Show in the experiment window"),
                                   tr("Make this step's experiment in the experiment window, with its charts and table of runs"));
    answer = new QLabel;
    answer->setWordWrap(true);
    answer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    answer->setAccessibleName(tr("Measured answer"));

    backButton = panelButton(tr("Back"), tr("The page before"));
    nextButton = panelButton(tr("Next"), tr("The next page"));
    pageLabel = new QLabel;
    pageLabel->setWordWrap(true);
    pageLabel->setAlignment(Qt::AlignCenter);

    QHBoxLayout *top = new QHBoxLayout;
    top->addWidget(languageBox);
    top->addStretch(1);
    top->addWidget(editButton);
    QHBoxLayout *pages = new QHBoxLayout;
    pages->addWidget(backButton);
    pages->addWidget(pageLabel, 1);
    pages->addWidget(nextButton);
    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(title);
    layout->addWidget(titleEditor);
    layout->addWidget(notesStack, 1);
    layout->addWidget(questionBox);
    layout->addWidget(action);
    layout->addWidget(runButton);
    layout->addWidget(answer);
    layout->addWidget(experimentButton);
    layout->addLayout(pages);

    connect(model, &LessonModel::lessonChanged, this, &LessonPanel::showLesson);
    connect(model, &LessonModel::pageChanged, this, &LessonPanel::showPage);
    connect(model, &LessonModel::answerChanged, this, &LessonPanel::showAnswer);
    connect(model, &LessonModel::textsEdited, this, [this] {
        if (!isEditing())
            showPage();
    });
    connect(model, &LessonModel::stepStopped, this, &LessonPanel::said);
    connect(languageBox, &QComboBox::activated, this, [this] { this->model->setLanguage(languageBox->currentData().toString()); });
    connect(editButton, &QPushButton::toggled, this, &LessonPanel::setEditing);
    connect(titleEditor, &QLineEdit::textEdited, model, &LessonModel::setTitle);
    connect(notesEditor, &QPlainTextEdit::textChanged, this, [this] {
        if (isEditing() && notesEditor->toPlainText() != this->model->pageNotes())
            this->model->setPageNotes(notesEditor->toPlainText());
    });
    connect(choices, &QButtonGroup::idClicked, model, &LessonModel::choose);
    connect(runButton, &QPushButton::clicked, this, &LessonPanel::runStep);
    connect(experimentButton, &QPushButton::clicked, this, &LessonPanel::experimentRequested);
    connect(backButton, &QPushButton::clicked, this, [this] { this->model->setPage(this->model->page() - 1); });
    connect(nextButton, &QPushButton::clicked, this, [this] { this->model->setPage(this->model->page() + 1); });
    showLesson();
}

void LessonPanel::setZoom(double zoom)
{
    setFont(Chart::zoomedFont(QApplication::font(this), zoom));
    notesEditor->setFont(Chart::zoomedFont(QFontDatabase::systemFont(QFontDatabase::FixedFont), zoom));
    showPage();
}

bool LessonPanel::isEditing() const
{
    return notesStack->currentWidget() == notesEditor;
}

void LessonPanel::setEditing(bool editing)
{
    editButton->setChecked(editing);
    if (editing == isEditing())
        return;
    notesStack->setCurrentWidget(editing ? static_cast<QWidget *>(notesEditor) : notes);
    titleEditor->setVisible(editing);
    title->setVisible(!editing);
    showPage();
}

QList<QWidget *> LessonPanel::tabOrder() const
{
    return {languageBox, editButton, titleEditor, notes, notesEditor, runButton, experimentButton, backButton, nextButton};
}

void LessonPanel::showLesson()
{
    languageBox->clear();
    for (const QString &language : model->languages()) {
        // QLocale names plain English and Spanish after the territory it assumes.
        const QString name = language == QLatin1String("en")   ? QStringLiteral("English")
                             : language == QLatin1String("es") ? QStringLiteral("español")
                                                               : QLocale(language).nativeLanguageName();
        languageBox->addItem(name.isEmpty() ? language : QStringLiteral("%1 (%2)").arg(name, language), language);
    }
    languageBox->setCurrentIndex(languageBox->findData(model->language()));
    showPage();
}

void LessonPanel::showPage()
{
    const QString heading = model->text(model->lesson().title);
    title->setText(QStringLiteral("<b>%1</b>").arg(heading.toHtmlEscaped()));
    title->setAccessibleName(heading);
    notesEditor->setAccessibleName(tr("Notes in Markdown, %1").arg(languageBox->currentText()));
    if (isEditing()) {
        titleEditor->setText(heading);
        if (notesEditor->toPlainText() != model->pageNotes())
            notesEditor->setPlainText(model->pageNotes());
    } else if (model->hasLesson()) {
        notes->setMarkdown(model->pageNotes());
        fitCodeToFont(notes->document(), notes->font());
    } else {
        notes->setMarkdown(tr("No lesson goes with this run. Open one with \"Open snapshot…\" (the lessons "
                              "folder holds six), or press \"Edit notes\" to write one for this run and keep it "
                              "with \"Save snapshot…\"."));
    }

    const LessonStep *step = model->step();
    for (QAbstractButton *button : choices->buttons())
        choices->removeButton(button);
    qDeleteAll(choiceRows);
    choiceRows.clear();
    const bool asks = step && !step->question.isEmpty();
    questionBox->setVisible(asks);
    if (asks) {
        question->setText(model->text(step->question));
        for (int index = 0; index < step->choices.size(); ++index) {
            // The words beside the button wrap, so a long choice never widens the panel.
            const QString text = model->text(step->choices.at(index).text);
            QRadioButton *choice = new QRadioButton;
            choice->setAccessibleName(text);
            QLabel *words = new QLabel(text);
            words->setWordWrap(true);
            words->setBuddy(choice);
            words->installEventFilter(this);
            QWidget *row = new QWidget;
            QHBoxLayout *rowLayout = new QHBoxLayout(row);
            rowLayout->setContentsMargins(QMargins());
            rowLayout->addWidget(choice, 0, Qt::AlignTop);
            rowLayout->addWidget(words, 1);
            choices->addButton(choice, index);
            choiceLayout->addWidget(row);
            choiceRows << row;
        }
        QWidget *previous = notesEditor;
        for (QAbstractButton *choice : choices->buttons()) {
            QWidget::setTabOrder(previous, choice);
            previous = choice;
        }
        QWidget::setTabOrder(previous, runButton);
        questionBox->setAccessibleDescription(question->text());
    }
    action->setText(actionText());
    action->setVisible(!action->text().isEmpty());
    runButton->setVisible(step && step->action != LessonStep::NoAction);
    experimentButton->setVisible(step && step->action == LessonStep::Experiment);
    backButton->setEnabled(model->page() > 0);
    nextButton->setEnabled(model->page() + 1 < model->pageCount());
    pageLabel->setText(model->page() == 0 ? tr("Introduction, then %n step(s)", nullptr, model->pageCount() - 1)
                                          : tr("Step %1 of %2").arg(model->page()).arg(model->pageCount() - 1));
    showAnswer();
}

bool LessonPanel::eventFilter(QObject *watched, QEvent *event)
{
    QLabel *words = qobject_cast<QLabel *>(watched);
    if (event->type() == QEvent::MouseButtonRelease && words && words->buddy() && words->buddy()->isEnabled())
        static_cast<QAbstractButton *>(words->buddy())->click();
    return QWidget::eventFilter(watched, event);
}

void LessonPanel::showAnswer()
{
    const LessonStep *step = model->step();
    if (step && step->chosen >= 0 && step->chosen < choices->buttons().size())
        choices->button(step->chosen)->setChecked(true);
    // A prediction stays as it was once the program has measured.
    const bool measured = model->measured().has_value();
    for (QAbstractButton *button : choices->buttons())
        button->setEnabled(!measured && !model->isMeasuring());
    runButton->setEnabled(!model->isMeasuring());
    answer->setText(measuredText());
    answer->setVisible(!answer->text().isEmpty());
}

void LessonPanel::runStep()
{
    QString why;
    if (!model->runStep(why))
        emit said(why);
}

QString LessonPanel::actionText() const
{
    const LessonStep *step = model->step();
    if (!step || step->action == LessonStep::NoAction)
        return QString();
    const int generations = int(step->measure.generations);
    if (step->action == LessonStep::Run)
        return tr("\"Run step\" runs %n generation(s) from here at the pace set.", nullptr, generations);
    QStringList values;
    for (int value : step->experiment.variation.values)
        values << QString::number(value);
    return tr("\"Run step\" makes an experiment on this landscape: %1 %2, %n seed(s) each, ", nullptr,
              int(step->experiment.seeds))
               .arg(parameterCaption(*step->experiment.variation.parameter), values.join(QStringLiteral(", ")))
           + tr("%n generation(s) a run.", nullptr, generations);
}

QString LessonPanel::measuredText() const
{
    const LessonStep *step = model->step();
    if (!step || step->action == LessonStep::NoAction)
        return QString();
    if (model->isMeasuring())
        return tr("Measuring…");
    const std::optional<double> value = model->measured();
    if (!value)
        return step->question.isEmpty() ? QString() : tr("Choose your prediction, then press \"Run step\".");
    const StepMeasure &measure = step->measure;
    const int generations = int(measure.generations);
    QString found;
    switch (measure.quantity) {
    case Quantity::DiversityShare:
        found = std::isnan(*value) ? tr("The members were all alike at the start: there is no diversity to compare.")
                                   : tr("Measured: after %n generation(s) the diversity is %1 of what it was at the start.",
                                        nullptr, generations).arg(QLocale().toString(*value, 'f', 3));
        break;
    case Quantity::Best:
        found = tr("Measured: after %n generation(s) the best fitness is %1.", nullptr, generations).arg(QLocale().toString(*value));
        break;
    case Quantity::FirstReach:
        found = std::isinf(*value)
                    ? tr("Measured: the best did not reach %1 within %n generation(s).", nullptr, generations).arg(measure.target)
                    : tr("Measured: the best first reached %1 after %n generation(s).", nullptr, int(*value)).arg(measure.target);
        break;
    case Quantity::SchemaCount:
        found = tr("Measured: after %n generation(s), %1 of the ten members match %2.", nullptr, generations)
                    .arg(*value)
                    .arg(QString::fromStdString(measure.schema.text()));
        break;
    case Quantity::HitRateSpread:
        found = model->experimentLines() + '\n'
                + tr("Measured: the hit rates lie %1 percentage points apart.").arg(QLocale().toString(*value, 'f', 1));
        break;
    }
    const int fits = model->measuredChoice();
    if (fits >= 0)
        found += ' ' + tr("That is \"%1\".").arg(model->text(step->choices.at(fits).text));
    if (step->chosen >= 0)
        found += ' ' + (step->chosen == fits ? tr("The class predicted just that.")
                                             : tr("The class predicted \"%1\".").arg(model->text(step->choices.at(step->chosen).text)));
    return found;
}
