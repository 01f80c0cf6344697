// The editing model of the equation control.  The input is a stream of steps:
// typed characters (single, runs, any UTF-16 unit), keys, clicks, changes of
// width and font metrics, and new texts.  After every step the model's own
// invariants (EqEditModel::brokenInvariant) must hold.
#include "fuzz_support.h"

#include "eqedit/eqeditmodel.h"

#include <QString>
#include <array>

namespace {
// Every character of a given width; Greek letters wider.
class EvenMetrics : public EqMetrics {
public:
    int charWidth(QChar c, bool reduced) const override
    {
        if (c.unicode() >= 0x370 && c.unicode() < 0x400)
            return reduced ? 9 : 13;
        return reduced ? 6 : 10;
    }
    int zeroHeight(bool reduced) const override { return reduced ? 12 : 20; }
};

// Widths from 1 to 19 that differ from character to character.
class UnevenMetrics : public EqMetrics {
public:
    int charWidth(QChar c, bool reduced) const override
    {
        const int w = 1 + int(c.unicode() * 7u % 19u);
        return reduced ? (w * 2 + 2) / 3 : w;
    }
    int zeroHeight(bool reduced) const override { return reduced ? 9 : 14; }
};

// Some characters have no width at all, as some glyphs of a real font.
class GappedMetrics : public EqMetrics {
public:
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
const std::array<const EqMetrics*, 3> kMetrics{&kEven, &kUneven, &kGapped};

// What a student types: Latin and Cyrillic letters, digits, operators, the
// markers, blanks, and Enter, Escape, Backspace and Tab as characters.
const QString kAlphabet = QStringLiteral("abcfpxyzAFGRW0123456789+-*/^().,=~!#@ фЖ\r\x1b\b\t");

QChar typedChar(ByteReader& in)
{
    return kAlphabet.at(in.byte() % kAlphabet.size());
}

constexpr std::array<EqKey, 9> kKeys{EqKey::Backspace, EqKey::End,  EqKey::Home,   EqKey::Left, EqKey::Up,
                                     EqKey::Right,     EqKey::Down, EqKey::Delete, EqKey::F3};

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
    EqEditModel m(&kEven);
    int step = 0;
    while (!in.atEnd()) {
        const std::uint8_t op = in.byte();
        switch (op % 10) {
        case 0:
        case 1:
        case 2:
            m.keyPress(typedChar(in));
            break;
        case 3: {
            const EqKey key = kKeys[in.byte() % kKeys.size()];
            m.keyDown(key);
            if (key == EqKey::Backspace)
                m.keyPress(QChar(8));   // the key also types character 8
            break;
        }
        case 4:
            m.click(int(in.byte()) * 2 - 20);
            break;
        case 5: {
            const int width = int(in.byte()) * 2;
            const int caretWidth = in.byte() % 4;
            m.setGeometry(width, caretWidth, in.byte() % 4);
            break;
        }
        case 6:
            m.setEquation(readText(in, 48));
            break;
        case 7:
            for (QChar c : readText(in, 96))
                m.keyPress(c);
            break;
        case 8: {
            const char16_t unit = char16_t(in.byte() << 8 | in.byte());
            m.keyPress(QChar(unit));
            break;
        }
        default:
            m.setMetrics(kMetrics[in.byte() % kMetrics.size()]);
            break;
        }
        const QString broken = m.brokenInvariant();
        if (!broken.isEmpty())
            fuzzFailure(broken.toStdString() + " after step " + std::to_string(step));
        ++step;
    }
    return 0;
}
