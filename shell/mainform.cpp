#include "shell/mainform.h"

#include "shell/consform.h"
#include "shell/kontrform.h"
#include "shell/modemenu.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/windows.h"
#include "shell/repform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>

namespace {
const QString kArial = QStringLiteral("Arial");
} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent)
{
    setupWindow(this, tr("Вектум"), 688, 446, fixedWindowFlags());
    setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
    const QFont text = pixelFont(kArial, 17);
    const QFont bold = pixelFont(kArial, 17, true);
    const Qt::Alignment bottom = Qt::AlignLeft | Qt::AlignBottom;

    addTitlePanel(this, 16, 16, ModeMenu::mainVersionText())->setObjectName(QStringLiteral("Panel1"));
    raisedPanel(this, 376, 16, 297, 65)->setObjectName(QStringLiteral("Panel3"));

    QFrame* body = raisedPanel(this, 16, 96, 657, 337);
    body->setObjectName(QStringLiteral("Panel2"));
    // One sentence over four labels; the hyphenated word breaks between the
    // third and the fourth.
    fixedLabel(body, 8, 16, 78, 25, tr("Система"), text, bottom);
    fixedLabel(body, 85, 16, 97, 25, tr("ВЕКТУМ-W"), bold, bottom);
    fixedLabel(body, 191, 20, 460, 21,
               tr("- это комплекс программ, предназначенный для интенсив- "), text, bottom);
    fixedLabel(body, 8, 40, 633, 97,
               tr("ного индивидуального обучения теоретической механике. Система ВЕКТУМ-W "
                              "помогает пользователю освоить методику решения различных прикладных задач, "
                              "где требуется исследовать условия равновесия твердого тела или системы "
                              "таких тел."),
               text);
    fixedLabel(body, 104, 125, 457, 33, tr("Пожалуйста, выберите интересующий Вас раздел "), text,
               Qt::AlignHCenter | Qt::AlignTop);

    const QFont buttons = pixelFont(kArial, 12);
    auto button = [&](const char* name, const QString& caption, int left) {
        return makeButton(body, QLatin1String(name), caption, buttons, QRect(left, 168, 113, 33));
    };
    Button1 = button("Button1", tr("КОНСУЛЬТАНТ"), 32);
    Button2 = button("Button2", tr("РЕПЕТИТОР"), 192);
    Button3 = button("Button3", tr("КОНТРОЛЕР"), 352);
    Button4 = button("Button4", tr("ВЫХОД"), 512);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);
    Button1->setFocus();

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([&] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([&] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded([&] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { guarded([&] { Button4Click(); }); });

    centreOnDesktop(this);
}

void TMainForm::Button1Click()
{
    takePlace(this, ConsForm);
}

void TMainForm::Button2Click()
{
    ExamMode = false;
    takePlace(this, RepForm);
}

void TMainForm::Button3Click()
{
    takePlace(this, KontrForm);
}

void TMainForm::Button4Click()
{
    // Ends the event loop after the current event; the windows are destroyed
    // by the start-up code once the loop has returned.  Hidden windows do not
    // hold the program, and no window's close handler can veto the exit.
    QCoreApplication::exit(0);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    guarded([] { QCoreApplication::exit(0); });
}
