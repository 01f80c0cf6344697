#include "exercises/hints.h"

#include "eqedit/eqlayout.h"
#include "eqedit/spokenformula.h"
#include "eqedit/teqedit.h"
#include "platform/accessibility.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

HintHook& hook()
{
    static HintHook h;
    return h;
}

QString hintText(const char* source)
{
    return QCoreApplication::translate("Hint", source);
}

// The sentences of the diagnoses, by Mistake.
const char* const kMistakeTexts[] = {
    nullptr,  // Unknown: the advice of the kind of question
    QT_TRANSLATE_NOOP("Hint", "Ответ противоположен верному: «да» — это Y, «нет» — это N."),
    nullptr,  // WrongNumber: by the kind of question, below
    QT_TRANSLATE_NOOP("Hint", "Все знаки противоположны верным: проверьте, как направлены оси и силы."),
    QT_TRANSLATE_NOOP("Hint", "Неверен знак этого слагаемого:"),
    QT_TRANSLATE_NOOP("Hint", "Не хватает слагаемого:"),
    QT_TRANSLATE_NOOP("Hint", "Лишнее слагаемое (оно записано дважды или уже учтено):"),
    QT_TRANSLATE_NOOP("Hint", "В этом слагаемом перепутаны синус и косинус (или тангенс и котангенс):"),
    QT_TRANSLATE_NOOP("Hint", "В этом слагаемом неверен множитель (плечо силы или проекция):"),
};
static_assert(std::size(kMistakeTexts) == kMistakeCount, "one entry per Mistake");

const char* const kWrongNumber = QT_TRANSLATE_NOOP("Hint", "Число %1 не подходит. Проверьте ещё раз по схеме.");

// The general advice, by QuestionKind.
const char* const kAdvice[] = {
    QT_TRANSLATE_NOOP("Hint", "Ответ здесь — число. Посчитайте по схеме: у шарнира две составляющие реакции, у "
                              "гладкой опоры и нити одна, у заделки две и момент; на тело — три уравнения."),
    QT_TRANSLATE_NOOP("Hint", "На этот вопрос отвечают буквой: Y — да, N — нет."),
    QT_TRANSLATE_NOOP("Hint", "Сумма проекций: возьмите каждую силу схемы, и реакции тоже. Проекция на ось равна "
                              "силе, умноженной на косинус угла с осью; знак плюс, если сила смотрит по оси."),
    QT_TRANSLATE_NOOP("Hint", "Сумма моментов: для каждой силы найдите плечо — расстояние от точки до линии её "
                              "действия. Момент равен силе на плечо, плюс при повороте против часовой стрелки; "
                              "пара входит своим моментом."),
    QT_TRANSLATE_NOOP("Hint", "Выражение для неизвестной: возьмите уравнения равновесия, в которые она входит, и "
                              "выразите её через заданные величины."),
    QT_TRANSLATE_NOOP("Hint", "Угол: найдите его на схеме, сложив или вычтя заданные углы и прямой угол (π/2). "
                              "Греческая буква набирается клавишей F3 перед латинской: π — это F3 и p."),
};
static_assert(std::size(kAdvice) == kQuestionKindCount, "one entry per QuestionKind");

const char* const kRightAnswer = QT_TRANSLATE_NOOP("Hint", "Правильный ответ (введите его, чтобы продолжить):");
const char* const kAnswerAvailable =
    QT_TRANSLATE_NOOP("Hint", "Нажмите «Подсказка» ещё раз, чтобы увидеть правильный ответ.");

} // namespace

HintHook setHintHook(HintHook h)
{
    HintHook old = std::move(hook());
    hook() = std::move(h);
    return old;
}

QString adviceText(QuestionKind kind)
{
    return hintText(kAdvice[static_cast<int>(kind)]);
}

QString diagnosisText(const Diagnosis& diagnosis, QuestionKind kind)
{
    switch (diagnosis.mistake) {
    case Mistake::Unknown:
        return adviceText(kind);
    case Mistake::WrongNumber:
        return hintText(kWrongNumber).arg(QString::fromStdString(diagnosis.number));
    default:
        return hintText(kMistakeTexts[static_cast<int>(diagnosis.mistake)]);
    }
}

HintBox::HintBox(const ShownHint& hint, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(appTitle());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(hint.text, this);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setFont(pixelFont(QStringLiteral("Arial"), 16));
    label->setMinimumWidth(420);
    layout->addWidget(label);
    if (!hint.formula.isEmpty()) {
        m_formula = new TEqEdit(this);
        m_formula->setEnabled(false);
        m_formula->SetBackColor(buttonHighlightColour());
        m_formula->SetForeColor(QColor(Qt::black));
        m_formula->setFont(pointFontForPixels(QStringLiteral("MS Sans Serif"), 19));
        m_formula->SetEquation(hint.formula);
        const FontEqMetrics metrics(m_formula->font());
        const int width = EqWidth(hint.formula, level::Normal, metrics) + 16;
        m_formula->setFixedSize(qMax(width, 60), 27);
        m_formula->setAccessibleName(tr("Формула"));
        layout->addWidget(m_formula, 0, Qt::AlignHCenter);
    }
    if (!hint.note.isEmpty()) {
        auto* note = new QLabel(hint.note, this);
        note->setWordWrap(true);
        note->setTextFormat(Qt::PlainText);
        note->setFont(label->font());
        layout->addWidget(note);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    // A screen reader reads the box's lines once, as the box's text when it
    // opens: the sentence with the formula in words (the formula box is that
    // line's end for the ear), then the note.
    setAccessibleName(appTitle());
    if (m_formula) {
        label->setAccessibleName(hint.text + QLatin1Char(' ') + spokenFormula(hint.formula));
        hideFromAccessibility(m_formula);
    }
}

void showHint(const ShownHint& hint, QWidget* parent)
{
    if (hook()) {
        hook()(hint);
        return;
    }
    HintBox box(hint, parent ? parent : QApplication::activeWindow());
    box.exec();
}

ShownHint shownHint(const DueHint& due, QuestionKind kind)
{
    switch (due.what) {
    case DueHint::What::Advice:
        return {adviceText(kind), QString(), QString()};
    case DueHint::What::Answer:
        return {hintText(kRightAnswer), QString::fromStdString(due.answer), QString()};
    case DueHint::What::Diagnosis:
        break;
    }
    ShownHint hint{diagnosisText(due.diagnosis, kind), QString::fromStdString(due.diagnosis.term), QString()};
    if (due.answerNext)
        hint.note = hintText(kAnswerAvailable);
    return hint;
}
