#include "solver/forms/numberkey.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <cmath>

namespace {
QChar decimalSeparator(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}

// Swallows the events through which text could arrive other than by a key.
class TypedKeysOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
            return true;
        default:
            return QObject::eventFilter(watched, e);
        }
    }
};
} // namespace

void keepToTypedKeys(QLineEdit* box)
{
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(new TypedKeysOnly(box));
}

QChar FilterNumberKey(const QString& text, QChar key, const QLocale& locale)
{
    if ((key >= u'0' && key <= u'9') || key == u'\b' || key == u'-')
        return key;
    if (key == u'.' || key == u',') {
        const QChar separator = decimalSeparator(locale);
        return text.contains(separator) ? QChar() : separator;
    }
    return QChar();
}

std::optional<double> readNumber(const QString& text, const QLocale& locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString formatResult(double value, const QLocale& locale)
{
    QString text = QString::asprintf("%4.3f", value);
    // A zero, or a value that rounds to it, is shown without a sign.
    if (text == QLatin1String("-0.000"))
        text.remove(0, 1);
    const QChar separator = decimalSeparator(locale);
    if (separator != u'.')
        text.replace(u'.', separator);
    return text;
}
