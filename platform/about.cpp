#include "platform/about.h"

#include "platform/fonts.h"
#include "platform/guard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

namespace {
constexpr int kMargin = 16;
constexpr int kTextPixels = 17;
constexpr int kHeadingPixels = 24;

QLabel* addLine(QWidget* window, QVBoxLayout* column, const char* name, const QString& text, const QFont& font)
{
    auto* label = new QLabel(text, window);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    column->addWidget(label);
    return label;
}
} // namespace

QString programVersion()
{
    return QStringLiteral(VEKTUM_VERSION);
}

QString programId()
{
    return QStringLiteral(VEKTUM_APP_ID);
}

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutWindow"));
    const QString caption = tr("О программе ВЕКТУМ-W");
    setWindowTitle(caption);
    setAccessibleName(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(4);
    column->setSizeConstraint(QLayout::SetFixedSize);

    const QFont text = pixelFont(QStringLiteral("Arial"), kTextPixels);
    const QString name = tr("ВЕКТУМ-W");
    const QString version = tr("Версия %1").arg(programVersion());
    const QString summary = tr("Обучающая система по статике");
    const QString licence = tr("Свободная программа, лицензия MIT");
    // The licence's own notice, word for word in every language.
    const QString copyright = QStringLiteral("Copyright (c) 2026 ВЕКТУМ-W developers");
    const QString qt = tr("Работает на Qt %1").arg(QString::fromLatin1(qVersion()));
    const QString id = tr("Идентификатор программы: %1").arg(programId());
    m_lines = {name, version, summary, licence, copyright, qt, id};

    addLine(this, column, "NameLabel", name, pixelFont(QStringLiteral("Arial"), kHeadingPixels, true));
    // Read as the window's text when it opens, where a line of fewer than
    // three words may be passed over: the version line says what it is.
    addLine(this, column, "VersionLabel", version, text)
        ->setAccessibleName(tr("Версия программы %1").arg(programVersion()));
    column->addSpacing(8);
    addLine(this, column, "SummaryLabel", summary, text);
    column->addSpacing(8);
    addLine(this, column, "LicenceLabel", licence, text);
    addLine(this, column, "CopyrightLabel", copyright, text);
    column->addSpacing(8);
    addLine(this, column, "QtLabel", qt, text);
    addLine(this, column, "IdLabel", id, text);
    column->addSpacing(12);

    m_close = new QPushButton(tr("Закрыть"), this);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    m_close->setDefault(true);
    m_close->setMinimumWidth(105);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_close);
    row->addStretch();
    column->addLayout(row);
    connect(m_close, &QPushButton::clicked, this, [this] { guarded([this] { accept(); }); });

    // A screen reader speaks the window's name and then its lines, once: the
    // window has no description that would say them again.
    m_close->setFocus();
}

void showAboutWindow(QWidget* over)
{
    // Made afresh each time and deleted once closed, so that it never
    // outlives the window it stands over.
    QPointer<AboutWindow> window = new AboutWindow(over);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->exec();
}
