#include "eqedit/teqedit.h"

#include "platform/colours.h"
#include "platform/guard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Screen readers read the formula as the control's value.
class EqEditAccessible : public QAccessibleWidget {
public:
    explicit EqEditAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::EditableText) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const TEqEdit*>(widget())->Equation();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* eqEditAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TEqEdit") && object && object->isWidgetType())
        return new EqEditAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// The editing keys; every other key only types its character.
bool editingKey(int key, EqKey& out)
{
    switch (key) {
    case Qt::Key_Backspace: out = EqKey::Backspace; return true;
    case Qt::Key_End: out = EqKey::End; return true;
    case Qt::Key_Home: out = EqKey::Home; return true;
    case Qt::Key_Left: out = EqKey::Left; return true;
    case Qt::Key_Up: out = EqKey::Up; return true;
    case Qt::Key_Right: out = EqKey::Right; return true;
    case Qt::Key_Down: out = EqKey::Down; return true;
    case Qt::Key_Delete: out = EqKey::Delete; return true;
    case Qt::Key_F3: out = EqKey::F3; return true;
    default: return false;
    }
}

// Ctrl+Z undoes the last edit, Ctrl+Shift+Z and Ctrl+Y redo it.
bool undoKey(int key, Qt::KeyboardModifiers modifiers, EqKey& out)
{
    if (!(modifiers & Qt::ControlModifier) || (key != Qt::Key_Z && key != Qt::Key_Y))
        return false;
    out = key == Qt::Key_Z && !(modifiers & Qt::ShiftModifier) ? EqKey::Undo : EqKey::Redo;
    return true;
}

// The character a key types, if any: Enter 13, Backspace 8, Escape 27, else the
// event's one character.  Cursor and function keys type nothing.
bool typedCharacter(const QKeyEvent* e, QChar& out)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: out = QChar(13); return true;
    case Qt::Key_Backspace: out = QChar(8); return true;
    case Qt::Key_Escape: out = QChar(27); return true;
    case Qt::Key_Delete:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_F3: return false;
    default: break;
    }
    const QString text = e->text();
    if (text.size() != 1)
        return false;
    out = text.at(0);
    return true;
}

} // namespace

TEqEdit::TEqEdit(QWidget* parent) : QWidget(parent), m_model(nullptr)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(eqEditAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;

    FForeColour = QColor(Qt::black);
    FBackColour = buttonFaceColour();
    m_beep = [] { QApplication::beep(); };

    QFont f = font();
    f.setPointSize(14);
    setFont(f);
    rebuildMetrics();

    m_model.beep = [this] {
        if (m_beep)
            m_beep();
    };
    m_model.keyPressed = [this](QChar& c) {
        if (OnKeyPress)
            OnKeyPress(c);
    };
    m_model.changed = [this] { modelChanged(); };

    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAccessibleName(QStringLiteral("Формула"));
    resize(300, 27);
    m_model.setGeometry(width(), FCaretPixels, BevelWidth);
}

TEqEdit::~TEqEdit()
{
    // The model's callbacks point back here.
    m_model.beep = nullptr;
    m_model.keyPressed = nullptr;
    m_model.changed = nullptr;
}

QSize TEqEdit::sizeHint() const
{
    return {300, 27};
}

QString TEqEdit::Equation() const
{
    return m_model.equation();
}

void TEqEdit::SetEquation(const QString& text)
{
    syncGeometry();
    m_model.setEquation(text);
}

QColor TEqEdit::BackColor() const
{
    return FBackColour;
}

void TEqEdit::SetBackColor(const QColor& colour)
{
    if (colour == FBackColour)
        return;
    FBackColour = colour;
    update();
}

QColor TEqEdit::ForeColor() const
{
    return FForeColour;
}

void TEqEdit::SetForeColor(const QColor& colour)
{
    if (colour == FForeColour)
        return;
    FForeColour = colour;
    update();
}

int TEqEdit::CaretWidth() const
{
    return FCaretPixels;
}

void TEqEdit::SetCaretWidth(int width)
{
    FCaretPixels = qBound(0, width, 1000);
    m_model.setGeometry(this->width(), FCaretPixels, BevelWidth);
    update();
}

void TEqEdit::setBeepHandler(std::function<void()> beep)
{
    m_beep = std::move(beep);
}

QRect TEqEdit::caretRect() const
{
    if (!FHasFocus)
        return {};
    const LevelBand band = m_model.caretBand();
    return QRect(BevelWidth + m_model.caretX(), BevelWidth + band.top, FCaretPixels, band.height);
}

void TEqEdit::rebuildMetrics()
{
    m_metrics = std::make_unique<FontEqMetrics>(font());
    m_model.setMetrics(m_metrics.get());
}

// A hidden widget gets its resize event only when shown: the model follows the
// width before every edit.
void TEqEdit::syncGeometry()
{
    if (m_model.viewWidth() != width())
        m_model.setGeometry(width(), FCaretPixels, BevelWidth);
}

void TEqEdit::modelChanged()
{
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent ev(this, m_model.equation());
        QAccessible::updateAccessibility(&ev);
    }
}

bool TEqEdit::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        // Editing keys and typed characters belong to the control, not to a
        // window's shortcuts.
        auto* k = static_cast<QKeyEvent*>(e);
        EqKey key;
        const bool plain = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && (editingKey(k->key(), key) || (k->text().size() == 1 && k->text().at(0).isPrint()))) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

bool TEqEdit::focusNextPrevChild(bool next)
{
    // Tab and Backtab move the focus; arrows never reach here.
    return QWidget::focusNextPrevChild(next);
}

void TEqEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
        QWidget::keyPressEvent(e);
        return;
    }
    guarded([&] {
        int code = e->key();
        if (OnKeyDown)
            OnKeyDown(code, e->modifiers());
        syncGeometry();
        EqKey key;
        // Undo and redo consume their key: it types nothing.
        const bool undoOrRedo = undoKey(code, e->modifiers(), key);
        if (undoOrRedo || editingKey(code, key))
            m_model.keyDown(key);
        QChar ch;
        if (!undoOrRedo && typedCharacter(e, ch))
            m_model.keyPress(ch);
    });
    e->accept();
}

void TEqEdit::mousePressEvent(QMouseEvent* e)
{
    guarded([&] {
        if (OnMouseDown)
            OnMouseDown(e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
        syncGeometry();
        if (!hasFocus())
            setFocus(Qt::MouseFocusReason);
        m_model.click(int(e->position().x()) - BevelWidth);
    });
    e->accept();
}

void TEqEdit::focusInEvent(QFocusEvent* e)
{
    FHasFocus = true;
    update();
    QWidget::focusInEvent(e);
}

void TEqEdit::focusOutEvent(QFocusEvent* e)
{
    FHasFocus = false;
    update();
    QWidget::focusOutEvent(e);
}

void TEqEdit::resizeEvent(QResizeEvent* e)
{
    m_model.setGeometry(width(), FCaretPixels, BevelWidth);
    QWidget::resizeEvent(e);
}

void TEqEdit::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange)
        rebuildMetrics();
    QWidget::changeEvent(e);
}

void TEqEdit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect all = rect();
    // The soft sunken frame: shadow at the top and left, light at the bottom
    // and right.
    p.fillRect(all, Qt::white);
    const QColor shadow = palette().color(QPalette::Active, QPalette::Mid);
    const QColor light = palette().color(QPalette::Active, QPalette::Light);
    p.setPen(shadow);
    p.drawLine(all.topLeft(), all.topRight());
    p.drawLine(all.topLeft(), all.bottomLeft());
    p.setPen(light);
    p.drawLine(all.bottomLeft(), all.bottomRight());
    p.drawLine(all.topRight(), all.bottomRight());

    const QRect area = all.adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
    p.setClipRect(area);
    p.translate(area.topLeft());
    // Disabled controls show their formulas like enabled ones.
    const QColor ink = palette().color(QPalette::Active, QPalette::WindowText);
    p.setPen(ink);
    const EqLayout layout = m_model.visibleLayout();
    bool reduced = false;
    p.setFont(m_metrics->font(false));
    for (const EqGlyph& g : layout.glyphs) {
        if (g.reduced != reduced) {
            reduced = g.reduced;
            p.setFont(m_metrics->font(reduced));
        }
        p.drawStaticText(QPoint(g.x, g.y), m_metrics->glyphText(g.ch, g.reduced));
    }
    if (FHasFocus) {
        const LevelBand band = m_model.caretBand();
        p.fillRect(QRect(m_model.caretX(), band.top, FCaretPixels, band.height), ink);
    }
}
