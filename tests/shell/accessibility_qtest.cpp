// What a screen reader finds in the program's windows: windows named by their
// captions, panels that are groupings, the statement as text, the formula
// boxes named by their formulas, no skip area, the announcements of verdicts,
// questions and solutions that leave the focus where it is, and texts given
// to the ear whole and once.
#include "accessibletree.h"
#include "windowfixture.h"

#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "eqedit/spokenformula.h"
#include "eqedit/teqedit.h"
#include "exercises/hints.h"
#include "exercises/kzsform.h"
#include "exercises/urform.h"
#include "platform/about.h"
#include "platform/accessibility.h"
#include "platform/spokentext.h"
#include "platform/forms.h"
#include "shell/startup.h"
#include "solver/forms/matrixform.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QList<QAccessibleInterface*> tree(QWidget* window)
{
    return accessibleTree(QAccessible::queryAccessibleInterface(window));
}

// Counts the times a widget is shown: each announcement shows the announcer.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

} // namespace

class AccessibilityTest : public WindowsTestCase {
    Q_OBJECT
private slots:
    void windowsAreNamedByTheirCaptions_data();
    void windowsAreNamedByTheirCaptions();
    void statementIsReadAsItsText_data();
    void statementIsReadAsItsText();
    void referenceFormulasAreNamedByTheirWords_data();
    void referenceFormulasAreNamedByTheirWords();
    void exerciseAnnouncesQuestionAndVerdict_data();
    void exerciseAnnouncesQuestionAndVerdict();
    void praiseIsHeardBeforeTheNextQuestion_data();
    void praiseIsHeardBeforeTheNextQuestion();
    void solverAnnouncesTheSolution();
    void spokenTextsAreWhole_data();
    void spokenTextsAreWhole();
    void noTextHeardTwice_data();
    void noTextHeardTwice();
};

void AccessibilityTest::windowsAreNamedByTheirCaptions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("caption");

    const int window = QAccessible::Window;
    const int dialog = QAccessible::Dialog;
    QTest::newRow("main") << "MainForm" << window << "Вектум";
    QTest::newRow("consultant") << "ConsForm" << window << "Консультант";
    QTest::newRow("method menu") << "ReshForm" << window << "Методика решения задач";
    QTest::newRow("tutor") << "RepForm" << window << "Репетитор";
    QTest::newRow("examiner") << "KontrForm" << window << "Контролер";
    QTest::newRow("worked example") << "UrForm" << window << "Составление уравнений равновесия";
    QTest::newRow("control task") << "KzsForm" << window << "Решение контрольной задачи по статике";
    QTest::newRow("method") << "MetodForm" << window << "Методика решения задач статики";
    QTest::newRow("order 6") << "MatrixForm" << window << "Решение системы AX = B";
    QTest::newRow("order 9") << "Matrix2Form" << window << "Решение системы AX = B";
    QTest::newRow("order choice") << "AskForm" << dialog << "Выбор порядка системы";
    QTest::newRow("basic concepts") << "PonForm" << dialog << "Основные понятия и сведения";
    QTest::newRow("constraints") << "SvyazForm" << dialog << "Виды связей";
    QTest::newRow("help") << "HelpForm" << dialog << "Информация о системе";
}

// Each window is a window or dialog named by its caption; inside, no object
// is a frame (the role a screen reader takes for a window), the skip area of
// the exercises is absent, and every equation control is text.
void AccessibilityTest::windowsAreNamedByTheirCaptions()
{
    QFETCH(QString, window);
    QWidget* w = windowNamed(window);
    QVERIFY(showAlone(w));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    QVERIFY(a);
    QTEST(int(a->role()), "role");
    QTEST(a->text(QAccessible::Name), "caption");
    QCOMPARE(a->text(QAccessible::Name), w->windowTitle());

    const QList<QAccessibleInterface*> all = tree(w);
    int panels = 0;
    for (QAccessibleInterface* i : all.mid(1)) {
        QVERIFY2(i->role() != QAccessible::Window && i->role() != QAccessible::Border,
                 qPrintable(i->text(QAccessible::Name)));
        QVERIFY2(!qobject_cast<ClickArea*>(i->object()), "the skip area is in the tree");
        if (i->object() && QLatin1String(i->object()->metaObject()->className()) == QLatin1String("QFrame")) {
            QCOMPARE(i->role(), QAccessible::Grouping);
            ++panels;
        }
        if (qobject_cast<TEqEdit*>(i->object()))
            QVERIFY(i->role() == QAccessible::EditableText || i->role() == QAccessible::StaticText);
    }
    // The skip area still exists and takes clicks, outside the Tab order.
    for (ClickArea* skip : w->findChildren<ClickArea*>()) {
        QCOMPARE(skip->focusPolicy(), Qt::NoFocus);
        QVERIFY(!skip->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    if (window == "MainForm" || window == "UrForm")
        QVERIFY(panels > 0);
}

void AccessibilityTest::statementIsReadAsItsText_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("worked example") << "UrForm";
    QTest::newRow("control task") << "KzsForm";
}

void AccessibilityTest::statementIsReadAsItsText()
{
    QFETCH(QString, window);
    QWidget* w = windowNamed(window);
    QVERIFY(showAlone(w));
    QLabel* statement = window == "UrForm" ? static_cast<QLabel*>(UrForm->Dano) : static_cast<QLabel*>(KzsForm->Dn);
    QVERIFY(!statement->text().trimmed().isEmpty());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(statement);
    QCOMPARE(a->text(QAccessible::Name), spokenText(statement->text()));
    // Its description, and the window's, said when it opens, name the key
    // that reads it again.
    QCOMPARE(a->text(QAccessible::Description), QStringLiteral("Условие задачи (F6 — прочитать ещё раз)"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description),
             QStringLiteral("Клавиша F6 читает условие задачи."));
}

void AccessibilityTest::referenceFormulasAreNamedByTheirWords_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("boxes");
    QTest::newRow("basic concepts") << "PonForm" << 15;
    QTest::newRow("help") << "HelpForm" << 8;
}

void AccessibilityTest::referenceFormulasAreNamedByTheirWords()
{
    QFETCH(QString, window);
    QFETCH(int, boxes);
    QWidget* w = windowNamed(window);
    QVERIFY(showAlone(w));
    const QList<TEqEdit*> edits = w->findChildren<TEqEdit*>();
    QCOMPARE(int(edits.size()), boxes);
    QSet<QString> names;
    for (TEqEdit* e : edits) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(e);
        QCOMPARE(a->role(), QAccessible::StaticText);
        QCOMPARE(a->text(QAccessible::Name), spokenFormula(e->Equation()));
        QVERIFY(!a->text(QAccessible::Name).isEmpty());
        QCOMPARE(a->textInterface()->text(0, -1), a->text(QAccessible::Name));   // read in words
        names.insert(a->text(QAccessible::Name));
    }
    QVERIFY(names.size() > boxes / 2);   // not one name for all
}

void AccessibilityTest::exerciseAnnouncesQuestionAndVerdict_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("worked example") << "UrForm";
    QTest::newRow("control task") << "KzsForm";
}

// Opening the window announces its statement and then its first question; a
// wrong answer announces the reproach, and the pause the same question again;
// the focus stays in the answer box throughout.
void AccessibilityTest::exerciseAnnouncesQuestionAndVerdict()
{
    QFETCH(QString, window);
    QWidget* w = windowNamed(window);
    TEqEdit* answer = window == "UrForm" ? UrForm->EqEdit2 : KzsForm->Eq2;
    TEqEdit* question = window == "UrForm" ? UrForm->EqEdit1 : KzsForm->Eq1;
    QLabel* feedback = window == "UrForm" ? UrForm->AscLabel : KzsForm->AscLabel;
    QVERIFY(showAlone(w));
    QTRY_COMPARE(QApplication::focusWidget(), answer);
    Announcer* announcer = WindowAnnouncer(w);
    QVERIFY(announcer);
    QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);
    QCOMPARE(announcer->focusPolicy(), Qt::NoFocus);
    QLabel* statement = window == "UrForm" ? static_cast<QLabel*>(UrForm->Dano) : static_cast<QLabel*>(KzsForm->Dn);
    const QString asked = QStringLiteral("Вопрос: ") + spokenFormula(question->Equation());
    const QString opened = spokenText(QStringLiteral("Условие задачи: ") + statement->text() + QLatin1Char(' ') + asked);
    QVERIFY(!statement->text().trimmed().isEmpty());
    QCOMPARE(announcer->text(), opened);
    QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->text(QAccessible::Name), opened);

    ShowCounter counter;
    announcer->installEventFilter(&counter);
    MessageCapture boxes;
    answer->SetEquation(QStringLiteral("12345"));   // the answer to no question
    QTest::keyClick(answer, Qt::Key_Return);
    QVERIFY(boxes.boxes.empty());
    QVERIFY(feedback->text() != QStringLiteral("Ваш ответ, коллега:"));
    QCOMPARE(announcer->text(), feedback->text());
    QCOMPARE(counter.shows, 1);
    QCOMPARE(QApplication::focusWidget(), answer);
    QTRY_COMPARE_WITH_TIMEOUT(announcer->text(), asked, 5000);
    QCOMPARE(counter.shows, 2);
    QCOMPARE(QApplication::focusWidget(), answer);
    // Hidden with its window, so that showing the window again repeats nothing.
    w->hide();
    QVERIFY(!announcer->isVisible());
}

void AccessibilityTest::praiseIsHeardBeforeTheNextQuestion_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("worked example") << "UrForm";
    QTest::newRow("control task") << "KzsForm";
}

// What a screen reader is told, in order: nothing while the window is hidden
// (its start-up tick sets a question up); after a right answer the praise
// alone, then after the pause the next question; F5 and F6 say the question
// and the statement again, with the focus left in the answer box.
void AccessibilityTest::praiseIsHeardBeforeTheNextQuestion()
{
    QFETCH(QString, window);
    const bool example = window == "UrForm";
    QWidget* w = windowNamed(window);
    TEqEdit* answer = example ? UrForm->EqEdit2 : KzsForm->Eq2;
    TEqEdit* question = example ? UrForm->EqEdit1 : KzsForm->Eq1;
    QLabel* feedback = example ? UrForm->AscLabel : KzsForm->AscLabel;
    QLabel* statement = example ? static_cast<QLabel*>(UrForm->Dano) : static_cast<QLabel*>(KzsForm->Dn);

    QStringList told;    // every event from the window; announcements as their texts
    setAccessibleEventObserver([&](QAccessibleEvent* e) {
        QObject* o = e->object();
        if (!o || !o->isWidgetType() || static_cast<QWidget*>(o)->window() != w)
            return;
        told << (qobject_cast<Announcer*>(o) ? e->accessibleInterface()->text(QAccessible::Name)
                                               : QStringLiteral("event of ") + o->metaObject()->className());
    });
    hideAllWindows();
    if (example)
        UrForm->Timer1Timer();
    else
        KzsForm->TimerTimer();
    QCOMPARE(told, QStringList{});

    QVERIFY(showAlone(w));
    QTRY_COMPARE(QApplication::focusWidget(), answer);
    const QString firstQuestion = question->Equation();
    told.clear();
    answer->SetEquation(example ? UrForm->referenceAnswer() : KzsForm->referenceAnswer());
    QTest::keyClick(answer, Qt::Key_Return);
    QStringList said;
    const auto announcements = [&] {
        QStringList out;
        for (const QString& t : told)
            if (!t.startsWith(QLatin1String("event of ")))
                out << t;
        return out;
    };
    said = announcements();
    QCOMPARE(said, QStringList{feedback->text()});
    QTRY_COMPARE_WITH_TIMEOUT(announcements().size(), 2, 5000);
    said = announcements();
    QVERIFY(question->Equation() != firstQuestion);
    QVERIFY(said.at(1).endsWith(spokenFormula(question->Equation())));
    QVERIFY(!said.at(1).contains(spokenFormula(firstQuestion)));

    QTest::keyClick(answer, Qt::Key_F5);
    QTest::keyClick(answer, Qt::Key_F6);
    said = announcements();
    QCOMPARE(said.size(), 4);
    QCOMPARE(said.at(2), said.at(1));
    QVERIFY(said.at(3).endsWith(spokenText(statement->text())));
    QCOMPARE(QApplication::focusWidget(), answer);
    QCOMPARE(answer->Equation().trimmed(), QString());
    setAccessibleEventObserver(nullptr);
}

void AccessibilityTest::solverAnnouncesTheSolution()
{
    QWidget* w = windowNamed(QStringLiteral("MatrixForm"));
    QVERIFY(showAlone(w));
    MessageCapture boxes;
    QPushButton* solve = buttonOf(w, QStringLiteral("Считать"));
    solve->setFocus();
    QTest::keyClick(solve, Qt::Key_Return);
    Announcer* announcer = WindowAnnouncer(w);
    QVERIFY(announcer);
    const QString zero = QLocale().toString(0.0, 'f', 3);
    QStringList parts;
    for (int i = 1; i <= 6; ++i)
        parts << QStringLiteral("X%1 = %2").arg(i).arg(zero);
    QCOMPARE(announcer->text(), QStringLiteral("Вычисленные значения неизвестных: ") + parts.join(QStringLiteral("; ")));
    QCOMPARE(QApplication::focusWidget(), solve);
    // An error is told by its message box, not announced again.
    const QString before = announcer->text();
    w->findChild<QWidget*>(QStringLiteral("Edit1"))->setProperty("text", QString());
    boxes.onBox = [](const ShownMessage&) {};
    QTest::keyClick(solve, Qt::Key_Return);
    QCOMPARE(int(boxes.boxes.size()), 1);
    QCOMPARE(announcer->text(), before);
}

// The screen keeps its texts; a screen reader is given them whole: a word
// broken with a hyphen and a blank joined, an equation's number read as the
// number of an equation, alike in a label, a scheme's description and an
// announcement.
void AccessibilityTest::spokenTextsAreWhole_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("broken words") << u"не- которая система (цвет обозна- чает силы, а пурпурный - задан- ные)."_s
                                  << u"некоторая система (цвет обозначает силы, а пурпурный - заданные)."_s;
    QTest::newRow("numbers after names") << u"R индекс B (1), и момент (2)."_s
                                         << u"R индекс B уравнение 1, и момент уравнение 2."_s;
    QTest::newRow("after an equation") << u"в уравнении (1) еще; три уравнения равновесия (2); из системы (3)"_s
                                       << u"в уравнении 1 еще; три уравнения равновесия 2; из системы 3"_s;
    QTest::newRow("other brackets") << u"M(F) = F*(2), сила (вес)"_s << u"M(F) = F*(2), сила (вес)"_s;
}

void AccessibilityTest::spokenTextsAreWhole()
{
    QFETCH(QString, shown);
    QFETCH(QString, spoken);
    QWidget window;
    auto* label = new QLabel(shown, &window);
    auto* picture = new PictureBox(20, 20, &window);
    picture->setAccessibleDescription(shown);
    window.show();
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), spoken);
    QCOMPARE(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description), spoken);
    announce(label, shown);
    QCOMPARE(QAccessible::queryAccessibleInterface(WindowAnnouncer(label))->text(QAccessible::Name), spoken);
    QCOMPARE(label->text(), shown);
}

// Each text of the About window and of the hint box reaches a screen reader
// once when the box opens: as the box's name or description, as the name or
// description of what it holds, or announced.
void AccessibilityTest::noTextHeardTwice_data()
{
    QTest::addColumn<QString>("box");   // "about", or the hint's text|formula|note
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("about") << "about" << QStringList{u"Версия"_s, u"Обучающая система по статике"_s,
                                                     u"Copyright (c) 2026 ВЕКТУМ-W developers"_s};
    QTest::newRow("hint") << "Неверен знак этого слагаемого:|R!B@*sin(~a)|Нажмите «Подсказка» ещё раз."
                          << QStringList{u"Неверен знак этого слагаемого: R индекс B умножить на синус альфа"_s,
                                         u"Нажмите «Подсказка» ещё раз."_s};
    QTest::newRow("advice") << "Ответ здесь — число.||" << QStringList{u"Ответ здесь — число."_s};
}

void AccessibilityTest::noTextHeardTwice()
{
    QFETCH(QString, box);
    QFETCH(QStringList, texts);
    const QStringList hint = box.split(QLatin1Char('|'));
    std::unique_ptr<QDialog> window;
    if (box == "about")
        window = std::make_unique<AboutWindow>();
    else
        window = std::make_unique<HintBox>(ShownHint{hint[0], hint[1], hint[2]}, nullptr);
    window->show();
    QStringList heard;
    if (Announcer* announcer = WindowAnnouncer(window.get()); announcer && announcer->isVisible())
        heard << announcer->text();
    for (QAccessibleInterface* i : tree(window.get()))
        heard << i->text(QAccessible::Name) << i->text(QAccessible::Description);
    const QString all = heard.join(QLatin1Char('\n'));
    for (const QString& text : texts)
        QVERIFY2(all.count(text) == 1, qPrintable(text + QStringLiteral(" in:\n") + all));
}

SHELL_TEST_MAIN(AccessibilityTest)
#include "accessibility_qtest.moc"
