#include "eqedit/teqedit.h"

#include "eqedit/teqeditaccessible.h"
#include "platform/accessibility.h"
#include "platform/colours.h"
#include "platform/guard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleHints>
#include <QTimer>

#include <algorithm>

namespace {

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
    resize(300, 27);
    m_model.setGeometry(width(), FCaretPixels, BevelWidth);

    // The caret blinks at the desktop's rate while the control has the focus.
    m_blink = new QTimer(this);
    connect(m_blink, &QTimer::timeout, this, [this] {
        m_caretOn = !m_caretOn;
        update(caretRect().adjusted(-1, -1, 1, 1));
    });
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
    notifyEqEditChange(this, m_accessible);
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
    ++m_fontGeneration;
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
    notifyEqEditChange(this, m_accessible);
}

// Up, Down and F3 change nothing a screen reader can see in the text: the
// level the next character goes to, or the Greek letter to come, is spoken.
// So is a change of level by undo or redo, which takes a level marker out of
// the text or puts it back.
void TEqEdit::announceKey(EqKey key, State before)
{
    if (!accessibleEventsWanted())
        return;
    if (key == EqKey::F3) {
        announce(this, tr("греческая буква"));
        return;
    }
    if (key != EqKey::Up && key != EqKey::Down && key != EqKey::Undo && key != EqKey::Redo)
        return;
    const State now = GetFirstCaretState(m_model.equation(), m_model.equation(), m_model.caretIndex());
    if (now == before)
        return;
    announce(this, now == level::Sub     ? tr("индекс")
                   : now == level::Super ? tr("степень")
                                         : tr("основная строка"));
}

void TEqEdit::restartBlink()
{
    m_caretOn = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (FHasFocus && flash > 0)
        m_blink->start(flash / 2);
    else
        m_blink->stop();
}

bool TEqEdit::caretShown() const
{
    return FHasFocus && m_caretOn;
}

int TEqEdit::caretBlinkInterval() const
{
    return m_blink->isActive() ? m_blink->interval() : 0;
}

void TEqEdit::setCaretIndex(int index)
{
    syncGeometry();
    const int target = qBound(0, index, int(m_model.equation().size()));
    // Home and Right keep the view and the caret's rules; their refusals are
    // not beeped, since nobody pressed a key.
    auto beep = std::move(m_model.beep);
    m_model.beep = nullptr;
    if (m_model.caretIndex() != 0)
        m_model.keyDown(EqKey::Home);
    while (m_model.caretIndex() < target) {
        const int before = m_model.caretIndex();
        m_model.keyDown(EqKey::Right);
        if (m_model.caretIndex() == before)
            break;
    }
    m_model.beep = std::move(beep);
    restartBlink();
    notifyEqEditChange(this, m_accessible);
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
        if (undoOrRedo || editingKey(code, key)) {
            const State before = GetFirstCaretState(m_model.equation(), m_model.equation(), m_model.caretIndex());
            m_model.keyDown(key);
            announceKey(key, before);
        }
        QChar ch;
        if (!undoOrRedo && typedCharacter(e, ch))
            m_model.keyPress(ch);
    });
    restartBlink();
    notifyEqEditChange(this, m_accessible);
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
    restartBlink();
    notifyEqEditChange(this, m_accessible);
    e->accept();
}

void TEqEdit::focusInEvent(QFocusEvent* e)
{
    FHasFocus = true;
    restartBlink();
    update();
    QWidget::focusInEvent(e);
}

void TEqEdit::focusOutEvent(QFocusEvent* e)
{
    FHasFocus = false;
    restartBlink();
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
    // Enabled, the box reads as drawn; disabled, in words.
    if (e->type() == QEvent::EnabledChange)
        notifyEqEditChange(this, m_accessible);
}

TEqEdit::Inks TEqEdit::inks() const
{
    // Disabled controls show their formulas like enabled ones.
    const QPalette& pal = palette();
    return {FBackColour, pal.color(QPalette::Active, QPalette::Mid), pal.color(QPalette::Active, QPalette::Light),
            pal.color(QPalette::Active, QPalette::WindowText)};
}

// The soft sunken frame: shadow at the top and left, light at the bottom and
// right, around the control's background colour.
void TEqEdit::paintFrame(QPainter& p, const Inks& inks) const
{
    const int w = width(), h = height();
    p.fillRect(0, 0, w, h, inks.back);
    p.fillRect(0, 0, w, 1, inks.shadow);
    p.fillRect(0, 0, 1, h, inks.shadow);
    p.fillRect(0, h - 1, w, 1, inks.light);
    p.fillRect(w - 1, 0, 1, h, inks.light);
}

// Clips the painter to the inside of the frame, moves it there and sets the
// ink of the glyphs.
void TEqEdit::prepareForGlyphs(QPainter& p, const Inks& inks) const
{
    const QRect area = rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
    p.setClipRect(area);
    p.translate(area.topLeft());
    p.setPen(inks.text);
}

// Glyphs `from` on, each at its box, with a painter prepared for glyphs.
void TEqEdit::drawGlyphs(QPainter& p, const QVector<EqGlyph>& glyphs, qsizetype from) const
{
    if (from >= glyphs.size())
        return;
    bool reduced = glyphs.at(from).reduced;
    p.setFont(m_metrics->font(reduced));
    for (qsizetype i = from; i < glyphs.size(); ++i) {
        const EqGlyph& g = glyphs.at(i);
        if (g.reduced != reduced) {
            reduced = g.reduced;
            p.setFont(m_metrics->font(reduced));
        }
        p.drawStaticText(QPoint(g.x, g.y), m_metrics->glyphText(g.ch, g.reduced));
    }
}

namespace {
// Text blended into an image of this format gives the pixels it gives on a
// device of the other: 32-bit pixels, premultiplied or without alpha.
bool blendsLikeTheImage(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}
} // namespace

bool TEqEdit::paintsThroughImage(const QPainter& p, const Inks& inks) const
{
    const QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice())
        return false;
    // Opaque colours only: a translucent background blends with what lies
    // under the control, which the image does not hold.
    if (!inks.back.isValid() || inks.back.alpha() != 255 || inks.shadow.alpha() != 255 ||
        inks.light.alpha() != 255)
        return false;
    const QTransform& t = p.deviceTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != qRound(t.dx()) || t.dy() != qRound(t.dy()))
        return false;
    const QPaintDevice* target = engine->paintDevice();
    switch (target->devType()) {
    case QInternal::Image:
        if (!blendsLikeTheImage(static_cast<const QImage*>(target)->format()))
            return false;
        break;
    case QInternal::Pixmap:
        // A raster pixmap of depth 32 holds one of the two formats.
        if (target->depth() != 32)
            return false;
        break;
    default:
        return false;
    }
    return !size().isEmpty();
}

// False when the image cannot stand in for the device (the fonts would take
// another resolution); the image then holds nothing.
bool TEqEdit::updatePaintedImage(const Inks& inks)
{
    PaintedImage& painted = m_painted;
    // Fonts take the resolution of the device they are drawn on (its
    // vertical one).
    const int dpi = logicalDpiY();
    if (painted.image.size() != size() || painted.image.logicalDpiY() != dpi) {
        painted.painter.reset();
        painted = PaintedImage{};
        painted.image = QImage(size(), QImage::Format_RGB32);
        painted.image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        painted.image.setDotsPerMeterY(qRound(dpi / 0.0254));
        if (painted.image.logicalDpiY() != dpi) {
            painted = PaintedImage{};
            return false;
        }
    }
    const QString& text = m_model.visibleText();
    const State start = m_model.visibleStartLevel();
    const bool sameGround = painted.painter && painted.inks == inks && painted.fontGeneration == m_fontGeneration &&
                            painted.start == start;
    // The glyphs drawn already, when the text shown now continues the text
    // drawn: the layout of a text's start is the start of its layout.
    qsizetype from = 0;
    if (sameGround && text.startsWith(painted.text)) {
        if (text.size() == painted.text.size())
            return true;
        from = painted.layout.glyphs.size();
        extendLayout(painted.layout, text, *m_metrics);
    } else {
        painted.layout = layoutEquation(text, start, *m_metrics);
    }
    if (from == 0) {
        painted.painter.reset();
        painted.painter = std::make_unique<QPainter>(&painted.image);
        paintFrame(*painted.painter, inks);
        prepareForGlyphs(*painted.painter, inks);
    }
    drawGlyphs(*painted.painter, painted.layout.glyphs, from);
    painted.text = text;
    painted.start = start;
    painted.inks = inks;
    painted.fontGeneration = m_fontGeneration;
    return true;
}

void TEqEdit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Inks colours = inks();
    if (paintsThroughImage(p, colours) && updatePaintedImage(colours)) {
        // The image is opaque: copied, not blended.
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, m_painted.image);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        paintFrame(p, colours);
        p.save();
        prepareForGlyphs(p, colours);
        drawGlyphs(p, m_model.visibleLayout().glyphs, 0);
        p.restore();
    }
    if (caretShown()) {
        const QRect area = rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
        p.setClipRect(area);
        const LevelBand band = m_model.caretBand();
        p.fillRect(QRect(area.left() + m_model.caretX(), area.top() + band.top, FCaretPixels, band.height),
                   colours.text);
    }
}
