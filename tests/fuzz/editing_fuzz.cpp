// The editing model of the equation control.  The input is a stream of steps:
// typed characters (single, runs, any UTF-16 unit), keys, clicks, changes of
// width and font metrics, and new texts.  After every step the model's
// invariants must hold:
//  - the caret is within the text, not left of the view, and never between a
//    '~' and the character after it;
//  - the first shown position is a character boundary (not inside a '~' pair);
//  - the shown text is the start of the tail from the first shown position and
//    fits the text limit;
//  - the caret x is the width up to the caret, and the caret stands inside the
//    control.  That last one is checked on controls that show at least six of
//    the widest characters (a jump left by five characters on a narrower one
//    puts the caret past the edge by rule), once the view has been placed since
//    the last change of width or font (which keep the first shown position
//    and the caret).
#include "fuzz_support.h"

#include "eqedit/eqeditmodel.h"

#include <QString>
#include <array>

namespace {
// Every character of a given width; Greek letters wider.
class FuzzMetrics : public EqMetrics {
public:
    virtual int widest() const = 0;
};

class EvenMetrics : public FuzzMetrics {
public:
    int widest() const override { return 13; }
    int charWidth(QChar c, bool reduced) const override
    {
        if (c.unicode() >= 0x370 && c.unicode() < 0x400)
            return reduced ? 9 : 13;
        return reduced ? 6 : 10;
    }
    int zeroHeight(bool reduced) const override { return reduced ? 12 : 20; }
};

// Widths from 1 to 19 that differ from character to character.
class UnevenMetrics : public FuzzMetrics {
public:
    int widest() const override { return 19; }
    int charWidth(QChar c, bool reduced) const override
    {
        const int w = 1 + int(c.unicode() * 7u % 19u);
        return reduced ? (w * 2 + 2) / 3 : w;
    }
    int zeroHeight(bool reduced) const override { return reduced ? 9 : 14; }
};

// Some characters have no width at all, as some glyphs of a real font.
class GappedMetrics : public FuzzMetrics {
public:
    int widest() const override { return 8; }
    int charWidth(QChar c, bool reduced) const override
    {
        if (c.unicode() % 3 == 0)
            return 0;
        return reduced ? 5 : 8;
    }
    int zeroHeight(bool reduced) const override { return reduced ? 10 : 16; }
};

const EvenMetrics kEven;
const UnevenMetrics kUneven;
const GappedMetrics kGapped;
const std::array<const FuzzMetrics*, 3> kMetrics{&kEven, &kUneven, &kGapped};

// What a student types: Latin and Cyrillic letters, digits, operators, the
// markers, blanks, and Enter, Escape, Backspace and Tab as characters.
const QString kAlphabet = QStringLiteral("abcfpxyzAFGRW0123456789+-*/^().,=~!#@ фЖ\r\x1b\b\t");

QChar typedChar(ByteReader& in)
{
    return kAlphabet.at(in.byte() % kAlphabet.size());
}

constexpr std::array<EqKey, 9> kKeys{EqKey::Backspace, EqKey::End,  EqKey::Home,   EqKey::Left, EqKey::Up,
                                     EqKey::Right,     EqKey::Down, EqKey::Delete, EqKey::F3};

struct Fixture {
    EqEditModel model{&kEven};
    const FuzzMetrics* metrics = &kEven;
    int width = 300, caretWidth = 2, bevel = 1;
    bool placed = true;   // the view has been placed since the last change of width or font
};

void check(const Fixture& f, int step)
{
    const EqEditModel& m = f.model;
    const QString& text = m.equation();
    const int length = int(text.size());
    const int first = m.firstVisible();
    const int caret = m.caretIndex();
    auto fail = [&](const char* what) {
        fuzzFailure(std::string(what) + " after step " + std::to_string(step) + ": text \"" + text.toStdString()
                    + "\" caret " + std::to_string(caret) + " first " + std::to_string(first) + " caret x "
                    + std::to_string(m.caretX()) + " width " + std::to_string(f.width));
    };
    if (first < 1)
        fail("first shown position below 1");
    if (caret < 0 || caret > length || caret < first - 1)
        fail("caret outside the text or left of the view");
    if (caret > 0 && caret < length && text.at(caret - 1) == u'~')
        fail("caret between '~' and its letter");
    if (first >= 2 && first - 1 < length && text.at(first - 2) == u'~')
        fail("first shown position inside a '~' pair");
    if (!text.mid(first - 1).startsWith(m.visibleText()))
        fail("shown text is not the start of the tail");
    const State start = GetFirstCaretState(text, text, first);
    if (EqWidth(m.visibleText(), start, *f.metrics) > std::max(0, m.textLimit()))
        fail("shown text wider than the control");
    if (m.caretX() != EqWidth(text.mid(first - 1, caret - first + 1), start, *f.metrics))
        fail("caret x is not the width up to the caret");
    const bool wide = m.textLimit() >= 6 * f.metrics->widest();
    if (f.placed && wide && (m.caretX() < 0 || m.caretX() > std::max(0, m.textLimit())))
        fail("caret outside the control");
    if (f.placed && wide && caret - (first - 1) > m.visibleText().size())
        fail("caret right of the shown text");
}

QString readText(ByteReader& in, int maxLength)
{
    QString text;
    const int length = in.byte() % maxLength;
    for (int i = 0; i < length; ++i)
        text += typedChar(in);
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader in(data, size);
    Fixture f;
    int step = 0;
    while (!in.atEnd()) {
        EqEditModel& m = f.model;
        const QString before = m.equation();
        const int caretBefore = m.caretIndex();
        // Typing that changed the text, and Home and End that moved the caret,
        // place the view around the caret.
        auto placedIfChanged = [&] {
            if (m.equation() != before || m.caretIndex() != caretBefore)
                f.placed = true;
        };
        const std::uint8_t op = in.byte();
        switch (op % 10) {
        case 0:
        case 1:
        case 2:
            m.keyPress(typedChar(in));
            placedIfChanged();
            break;
        case 3: {
            const EqKey key = kKeys[in.byte() % kKeys.size()];
            m.keyDown(key);
            if (key == EqKey::Backspace)
                m.keyPress(QChar(8));   // the key also types character 8
            if (key == EqKey::Home || key == EqKey::End)
                placedIfChanged();
            break;
        }
        case 4:
            m.click(int(in.byte()) * 2 - 20);
            if (!m.visibleText().isEmpty())
                f.placed = true;
            break;
        case 5:
            f.width = int(in.byte()) * 2;
            f.caretWidth = in.byte() % 4;
            f.bevel = in.byte() % 4;
            m.setGeometry(f.width, f.caretWidth, f.bevel);
            f.placed = false;
            break;
        case 6: {
            const QString text = readText(in, 48);
            if (text != m.equation())
                f.placed = true;
            m.setEquation(text);
            break;
        }
        case 7:
            for (QChar c : readText(in, 96))
                m.keyPress(c);
            placedIfChanged();
            break;
        case 8: {
            const char16_t unit = char16_t(in.byte() << 8 | in.byte());
            m.keyPress(QChar(unit));
            break;
        }
        default:
            f.metrics = kMetrics[in.byte() % kMetrics.size()];
            m.setMetrics(f.metrics);
            f.placed = false;
            break;
        }
        check(f, step++);
    }
    return 0;
}
