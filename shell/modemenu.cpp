#include "shell/modemenu.h"

#include "platform/fonts.h"
#include "platform/panels.h"
#include "platform/windows.h"

#include <QCloseEvent>
#include <QPushButton>

namespace {
const QString kArial = QStringLiteral("Arial");
constexpr int kClientWidth = 688;
constexpr int kClientHeight = 446;
constexpr int kButtonHeight = 33;
} // namespace

QFrame* addTitlePanel(QWidget* parent, int left, int top, const QString& version)
{
    QFrame* panel = raisedPanel(parent, left, top, 297, 65);
    panel->setObjectName(QStringLiteral("TitlePanel"));
    panel->setAccessibleName(ModeMenu::tr("Обучающая система ВЕКТУМ-W"));
    fixedLabel(panel, 8, 8, 169, 25, ModeMenu::tr("Обучающая система "), pixelFont(kArial, 17));
    fixedLabel(panel, 186, 8, 92, 19, ModeMenu::tr("ВЕКТУМ-W"), pixelFont(kArial, 17, true));
    fixedLabel(panel, 79, 32, 161, 25, version, pixelFont(kArial, 17), Qt::AlignHCenter | Qt::AlignTop);
    return panel;
}

ModeMenu::ModeMenu(const Texts& texts, QWidget* parent)
    : QWidget(parent)
    , m_textPixels(texts.textPixels)
{
    setupWindow(this, texts.caption, kClientWidth, kClientHeight, noSystemMenuWindowFlags());
    setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
    const QFont text = pixelFont(kArial, texts.textPixels);

    QFrame* greeting = raisedPanel(this, 16, 16, 297, 65);
    greeting->setObjectName(QStringLiteral("Panel1"));
    fixedLabel(greeting, 8, 20, 281, 25, texts.greeting, text, Qt::AlignHCenter | Qt::AlignTop);

    addTitlePanel(this, 376, 16, menuVersionText())->setObjectName(QStringLiteral("Panel2"));

    Panel3 = raisedPanel(this, 16, 96, 657, 337);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    const int promptTop = texts.firstButtonTop - 40;
    fixedLabel(Panel3, 8, 16, 641, promptTop - 24, texts.description, text);
    fixedLabel(Panel3, 8, promptTop, 641, 25, tr("Пожалуйста, выберите интересующий Вас раздел"),
               text, Qt::AlignHCenter | Qt::AlignTop);
}

QPushButton* ModeMenu::addButton(const char* name, const QString& text, int left, int top, int width)
{
    return makeButton(Panel3, QLatin1String(name), text, pixelFont(kArial, m_textPixels),
                      QRect(left, top, width, kButtonHeight));
}

void ModeMenu::closeEvent(QCloseEvent* event)
{
    // The frame has no close box; a request from the desktop (a key chord of
    // the window manager) must not leave the program without a visible window.
    if (event->spontaneous())
        event->ignore();
    else
        event->accept();
}

QString ModeMenu::mainVersionText()
{
    return tr("Верcия 1.0");
}

QString ModeMenu::menuVersionText()
{
    return tr("Верcия 1.0 ");
}
