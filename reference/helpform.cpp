#include "reference/helpform.h"

#include "eqedit/teqedit.h"
#include "reference/pagebuilder.h"
#include "platform/about.h"
#include "platform/accessibility.h"
#include "platform/colours.h"
#include "platform/deferred.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/keyboard.h"
#include "platform/panels.h"
#include "platform/tabpages.h"
#include "platform/windows.h"

#include <QFontMetrics>
#include <QLabel>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>

using namespace reference;

namespace {

constexpr int kClientWidth = 554;
constexpr int kClientHeight = 399;
constexpr int kPanelHeight = 40;
constexpr int kMargin = 8;
constexpr int kTextWidth = 500;
constexpr int kBoxHeight = 27;

constexpr int kBoxPixels = 19;

// Lays the controls of a help page out from top to bottom.
class Flow {
public:
    explicit Flow(QWidget* page) : m_page(page) {}

    int y() const { return m_y; }
    void skip(int pixels) { m_y += pixels; }

    QLabel* paragraph(const char* name, const QString& text)
    {
        QLabel* label = addText(m_page, name, {kMargin, m_y, kTextWidth, 1}, text, Wrapped);
        label->resize(kTextWidth, label->heightForWidth(kTextWidth));
        m_y += label->height() + 6;
        return label;
    }

    // Texts and equation boxes side by side on one line, from the left margin.
    void startRow() { m_x = kMargin; m_rowHeight = 0; }
    QLabel* inlineText(const char* name, const QString& text)
    {
        QLabel* label = addTextAt(m_page, name, {m_x, m_y + (kBoxHeight - textHeight()) / 2}, text);
        m_x += label->width() + 4;
        m_rowHeight = std::max(m_rowHeight, kBoxHeight);
        return label;
    }
    TEqEdit* inlineBox(const char* name, const QString& equation)
    {
        const int width = boxWidth(equation);
        TEqEdit* box =
            addEquation(m_page, name, {m_x, m_y, width, kBoxHeight}, equation, QStringLiteral("Arial"), kBoxPixels);
        m_x += box->width() - width;
        m_x += width + 4;
        m_rowHeight = std::max(m_rowHeight, kBoxHeight);
        return box;
    }
    void endRow() { m_y += m_rowHeight + 8; }

    // An equation box on a line of its own, indented.
    TEqEdit* box(const char* name, const QString& equation)
    {
        startRow();
        m_x = 40;
        TEqEdit* edit = inlineBox(name, equation);
        endRow();
        return edit;
    }

private:
    static int textHeight() { return QFontMetrics(textFont()).height(); }

    // Wide enough for the formula's characters with their markers left out.
    static int boxWidth(const QString& equation)
    {
        QString shown = equation;
        shown.remove(QLatin1Char('!')).remove(QLatin1Char('#')).remove(QLatin1Char('@')).remove(QLatin1Char('~'));
        return QFontMetrics(pixelFont(QStringLiteral("Arial"), 19)).horizontalAdvance(shown) + 16;
    }

    QWidget* m_page;
    int m_y = kMargin;
    int m_x = kMargin;
    int m_rowHeight = 0;
};

// A scroll box filling the page; the returned widget holds the content.
QWidget* addScrollBox(QWidget* page, const char* name)
{
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QString::fromLatin1(name));
    scroll->setWidgetResizable(false);
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(scroll);
    auto* content = new QWidget;
    content->setObjectName(QString::fromLatin1(name) + QStringLiteral("Content"));
    scroll->setWidget(content);
    return content;
}

// Places the key name in the run of blanks of a wrapped paragraph, the way the
// label lays its text out.
void placeInGap(QLabel* paragraph, QLabel* key, const QString& gap)
{
    const QString text = paragraph->text();
    const int at = text.indexOf(gap);
    if (at < 0)
        return;
    QTextLayout layout(text, paragraph->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const QFontMetrics metrics(paragraph->font());
    layout.beginLayout();
    int lineNumber = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++lineNumber) {
        line.setLineWidth(paragraph->width());
        if (at >= line.textStart() && at < line.textStart() + line.textLength()) {
            const qreal left = line.cursorToX(at);
            const qreal right = line.cursorToX(at + int(gap.size()));
            const int x = paragraph->x() + int(left + (right - left - key->width()) / 2);
            const int y = paragraph->y() + lineNumber * metrics.lineSpacing();
            key->move(x, y);
        }
    }
    layout.endLayout();
}

void buildGreekPage(QWidget* page)
{
    QWidget* content = addScrollBox(page, "ScrollBox1");
    Flow flow(content);
    const QString gap = QStringLiteral("        ");
    QLabel* intro = flow.paragraph(
        "Label1", THelpForm::tr("     Для  набора греческой буквы следует предварительно нажать функциональную "
                                 "клавишу%1, а затем - соответствующий этой букве аналог в латинском регистре.")
                      .arg(gap));
    QLabel* key = addTextAt(content, "Label2", {294, 48}, QStringLiteral("F3"), fromBgr(0xFF0000));
    placeInGap(intro, key, gap);
    flow.skip(6);
    flow.paragraph("Label3", THelpForm::tr("Аналоги для строчных букв греческого алфавита:"));
    flow.skip(4);

    struct Analogue {
        const char* greekName;
        const char* keyName;
        const char* latin;
    };
    const Analogue left[] = {{"Label4", "Label5", "w"}, {"Label6", "Label7", "f"}, {"Label8", "Label9", "e"}};
    const Analogue right[] = {{"Label10", "Label11", "r"}, {"Label12", "Label13", "p"}, {"Label14", "Label15", "m"}};
    const QFont letterFont = pixelFont(QStringLiteral("Symbol"), 21);
    const QFont keyFont = pixelFont(QStringLiteral("MS Sans Serif"), 17, true);
    const QColor maroon = fromBgr(0x000080);
    const int top = flow.y();
    for (int row = 0; row < 3; ++row) {
        const int y = top + row * 30;
        for (int column = 0; column < 2; ++column) {
            const Analogue& a = column == 0 ? left[row] : right[row];
            const int x = column == 0 ? 60 : 280;
            const QString latin = QString::fromLatin1(a.latin);
            addTextAt(content, a.greekName, {x, y}, greek(latin), maroon, Plain, letterFont);
            addTextAt(content, a.keyName, {x + 30, y + 3}, QStringLiteral("--   ") + latin, QColor(), Plain,
                      keyFont);
        }
    }
    flow.skip(3 * 30);
    content->resize(kTextWidth + 2 * kMargin, flow.y() + kMargin);
}

void buildFormulaPage(QWidget* page)
{
    QWidget* content = addScrollBox(page, "ScrollBox2");
    Flow flow(content);
    flow.paragraph("Label1", THelpForm::tr("        Переход в верхнюю позицию осуществляется клавишей \"UP\" (вверх). "
                                            "Возврат в прежднее положение осуществляется клавишей \"DOWN\" (вниз)."));
    flow.paragraph("Label2", THelpForm::tr("        Переход в нижнюю позицию осуществляется клавишей \"DOWN\" (вниз). "
                                            "Возврат в прежднее положение осуществляется клавишей \"UP\" (вверх)."));
    flow.paragraph("Label3", THelpForm::tr("        При вводе формулы или выражения обратите внимание на то,   какие "
                                            "Вам нужны литеры - заглавные или строчные."));
    flow.startRow();
    flow.inlineText("Label4", THelpForm::tr("Например, в обозначении"));
    flow.inlineBox("EqEdit1", QStringLiteral(" M!Bz "));
    flow.inlineText("Label5", THelpForm::tr("буквы \"M\" и \"B\" заглавные,"));
    flow.endRow();
    flow.paragraph("Label6", THelpForm::tr("а \"z\" строчная. Будьте внимательны, программа различает регистр."));
    flow.paragraph("Label7", THelpForm::tr("При записи функций, параметры необходимо вводить в скобках:"));
    flow.box("EqEdit2", QStringLiteral(" y = F*cos(~a)-R!A@*sin(~b)"));
    content->resize(kTextWidth + 2 * kMargin, flow.y() + kMargin);
}

void buildPowerPage(QWidget* page)
{
    QWidget* content = addScrollBox(page, "ScrollBox3");
    Flow flow(content);
    flow.paragraph("Label1", THelpForm::tr("Запись возведения в степень:"));
    flow.box("EqEdit1", QStringLiteral("     (   cos(X)  )#2@"));
    flow.paragraph("Label2", THelpForm::tr("      2) При возведении переменной в степень, первым пишется индекс, "
                                            "затем указывается показатель степени. Скобки ставить не обязательно:"));
    flow.box("EqEdit2", QStringLiteral("  R!A#2"));
    flow.paragraph("Label3", THelpForm::tr("      3) Если показатель степени - сложное выражение, то его необходимо "
                                            "брать в скобки:"));
    flow.box("EqEdit3", QStringLiteral("  4#(-2)@ + 5#(4-67)@"));
    flow.paragraph("Label4", THelpForm::tr("      4)При умножении между множителями обязательно пишется  звездочка :"));
    flow.box("EqEdit4", QStringLiteral(" 2*R!A@*cos(~a)"));
    content->resize(kTextWidth + 2 * kMargin, flow.y() + kMargin);
}

void buildAnswerPage(QWidget* page)
{
    Flow flow(page);
    flow.paragraph("Label1", THelpForm::tr("    Для утвердительного ответа на вопрос необходимо ввести в поле ввода "));
    flow.box("EqEdit1", QStringLiteral("   Y"));
    flow.paragraph("Label2", THelpForm::tr("    Для отрицательного ответа на вопрос необходимо ввести в поле ввода "));
    flow.box("EqEdit2", QStringLiteral("   N"));
}

// The keys page: the key table of platform/keyboard.h by scope, each key in
// blue, as the Greek letters' page shows F3, and what it does beside it.  The
// list is longer than the page, so it is cut into sheets that each fit the
// page whole: nothing scrolls, and a screen reader's review of the page reads
// the sheet shown, in reading order.  A section that does not fit the rest
// of a sheet goes on the next one; a section longer than a sheet goes on with
// its title repeated.  Under the sheet: which sheet it is, the buttons that
// turn to the one before and after (their descriptions say where they lead;
// turning announces the new sheet), and the About window's button.
constexpr int kKeyColumn = 190;
constexpr int kColumnGap = 12;

// A wrapped text of the given width at (x, y), as high as its lines.
QLabel* columnText(QWidget* page, const QByteArray& name, int x, int y, int width, const QString& text,
                   int flags = Plain)
{
    QLabel* label = addText(page, name.constData(), {x, y, width, 1}, text, flags | Wrapped);
    label->resize(width, label->heightForWidth(width));
    return label;
}

class KeySheets : public QObject {
public:
    KeySheets(QWidget* page, int sheetHeight) : QObject(page), m_page(page), m_height(sheetHeight) {}

    void build();
    void connectTo(QPushButton* back, QPushButton* next, QLabel* where);

private:
    struct Sheet {
        QWidget* widget;
        QStringList titles;     // the sections it shows
        QStringList spoken;     // its sections as sentences, in reading order
    };

    void startSheet();
    // Puts the label on the current sheet, at the current height.
    void place(QLabel* label);
    // Whether this height fits below what the sheet holds (on an empty
    // sheet anything does).
    bool fits(int height) const;
    void show(int index, bool announced);
    QString whereText(int index) const;

    QWidget* m_page;
    int m_height;
    QList<Sheet> m_sheets;
    int m_y = 0;
    int m_current = 0;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_where = nullptr;
};

void KeySheets::startSheet()
{
    auto* sheet = new QWidget(m_page);
    sheet->setObjectName(QStringLiteral("KeySheet%1").arg(m_sheets.size() + 1));
    sheet->setGeometry(0, 0, m_page->parentWidget()->width(), m_height);
    if (!m_sheets.isEmpty())
        sheet->hide();
    m_sheets.append({sheet, {}, {}});
    m_y = kMargin;
}

void KeySheets::place(QLabel* label)
{
    label->setParent(m_sheets.last().widget);
    label->move(label->x(), m_y);
    label->show();
}

bool KeySheets::fits(int height) const
{
    return m_y + height <= m_height - kMargin || m_y == kMargin;
}

void KeySheets::build()
{
    const QColor blue = fromBgr(0xFF0000);
    const int actionLeft = kMargin + kKeyColumn + kColumnGap;
    const int actionWidth = kTextWidth - kKeyColumn - kColumnGap;
    int titles = 0;
    int rows = 0;
    const auto title = [&](const QString& text) {
        return columnText(m_page, "Title" + QByteArray::number(++titles), kMargin, 0, kTextWidth, text, Underlined);
    };
    startSheet();
    const std::span<const KeyRow> table = keyTable();
    for (auto first = table.begin(); first != table.end();) {
        auto end = first;
        while (end != table.end() && end->scope == first->scope)
            ++end;
        const QString heading = keyScopeTitle(first->scope);
        QLabel* head = title(heading);
        struct Row {
            QLabel* keys;
            QLabel* action;
            int height;
        };
        QList<Row> section;
        int sectionHeight = head->height() + 6;
        for (auto row = first; row != end; ++row) {
            QLabel* keys = columnText(m_page, "Key" + QByteArray::number(++rows), kMargin, 0, kKeyColumn, keysText(*row));
            QPalette palette = keys->palette();
            palette.setColor(QPalette::WindowText, blue);
            keys->setPalette(palette);
            QLabel* action = columnText(m_page, "Action" + QByteArray::number(rows), actionLeft, 0, actionWidth,
                                        keyDescription(*row));
            // Read as one: what the key does, and the key.
            action->setAccessibleDescription(keys->text());
            // As high as each other, so that a review by lines reads the key
            // and what it does as one line.
            const int height = std::max(keys->height(), action->height());
            for (QLabel* label : {keys, action}) {
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->resize(label->width(), height);
            }
            section.append({keys, action, height + 4});
            sectionHeight += section.last().height;
        }
        // A section starts on a new sheet unless it fits whole below what the
        // sheet holds.
        const int gap = m_y > kMargin ? 10 : 0;
        if (fits(gap + sectionHeight))
            m_y += gap;
        else
            startSheet();
        QStringList said;
        // What the sheet says of the section: its title and its rows.
        const auto sayPart = [&] {
            m_sheets.last().spoken << THelpForm::tr("%1: %2.").arg(heading, said.join(QStringLiteral("; ")));
            said.clear();
        };
        for (const Row& row : section) {
            if (!head && !fits(row.height)) {
                // Longer than a sheet: on with the title repeated.
                sayPart();
                startSheet();
                head = title(heading);
            }
            if (head) {
                place(head);
                m_y += head->height() + 6;
                m_sheets.last().titles << heading;
                head = nullptr;
            }
            place(row.keys);
            place(row.action);
            m_y += row.height;
            said << THelpForm::tr("%1 — %2").arg(row.keys->text(), row.action->text());
        }
        sayPart();
        first = end;
    }
}

QString KeySheets::whereText(int index) const
{
    return THelpForm::tr("Лист %1 из %2").arg(index + 1).arg(m_sheets.size());
}

void KeySheets::connectTo(QPushButton* back, QPushButton* next, QLabel* where)
{
    m_back = back;
    m_next = next;
    m_where = where;
    connect(back, &QPushButton::clicked, this, [this] { guarded([this] { show(m_current - 1, true); }); });
    connect(next, &QPushButton::clicked, this, [this] { guarded([this] { show(m_current + 1, true); }); });
    show(0, false);
}

void KeySheets::show(int index, bool announced)
{
    const int count = int(m_sheets.size());
    m_current = (index % count + count) % count;
    for (int i = 0; i < count; ++i)
        m_sheets[i].widget->setVisible(i == m_current);
    m_where->setText(whereText(m_current));
    const auto leadsTo = [this, count](int step) {
        const int to = ((m_current + step) % count + count) % count;
        return THelpForm::tr("%1: %2").arg(whereText(to), m_sheets[to].titles.join(QStringLiteral(", ")));
    };
    m_back->setAccessibleDescription(leadsTo(-1));
    m_next->setAccessibleDescription(leadsTo(1));
    if (announced)
        announce(m_page, m_where->text() + QStringLiteral(". ") + m_sheets[m_current].spoken.join(QLatin1Char(' ')));
}

QPushButton* pageButton(QWidget* page, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, page);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void buildKeysPage(QWidget* page)
{
    QPushButton* back = pageButton(page, "BackButton", THelpForm::tr("Назад"));
    QPushButton* next = pageButton(page, "NextButton", THelpForm::tr("Далее"));
    QPushButton* about = pageButton(page, "AboutButton", THelpForm::tr("О программе"));
    about->setMinimumWidth(105);
    auto* where = new QLabel(page);
    where->setObjectName(QStringLiteral("SheetLabel"));

    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->addStretch();
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kMargin, 4, kMargin, 6);
    row->addWidget(where);
    row->addSpacing(kMargin);
    row->addWidget(back);
    row->addWidget(next);
    row->addStretch();
    row->addWidget(about);
    column->addLayout(row);
    QObject::connect(about, &QPushButton::clicked, page, [page] { guarded([page] { showAboutWindow(page->window()); }); });

    const int rowHeight = about->sizeHint().height() + 4 + 6;
    auto* sheets = new KeySheets(page, page->parentWidget()->height() - rowHeight);
    sheets->build();
    sheets->connectTo(back, next, where);
}

} // namespace

THelpForm::THelpForm(QWidget* parent)
    : QDialog(parent)
{
    setupWindow(this, THelpForm::tr("Информация о системе"), kClientWidth, kClientHeight,
                Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    centreOnDesktop(this);
    buildWhenPolished(this, [this] { buildContents(); });
}

void THelpForm::buildContents()
{
    m_pages = new TabPages(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(0, 0, kClientWidth, kClientHeight - kPanelHeight);
    buildGreekPage(addPage(m_pages, "TabSheet1", THelpForm::tr("Набор греческих букв")));
    buildFormulaPage(addPage(m_pages, "TabSheet2", THelpForm::tr("Набор выражения, формулы")));
    buildPowerPage(addPage(m_pages, "TabSheet3", THelpForm::tr("Особенности набора формул")));
    buildAnswerPage(addPage(m_pages, "TabSheet4", THelpForm::tr("Ответы на вопросы системы")));
    buildKeysPage(addPage(m_pages, "TabSheet5", THelpForm::tr("Клавиши")));
    m_pages->setCurrentIndex(0);

    QFrame* panel = raisedPanel(this, {0, kClientHeight - kPanelHeight, kClientWidth, kPanelHeight});
    QPushButton* ok = okButton(panel, {232, 8, 105, 25}, font());
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });
}

void THelpForm::BitBtn1Click()
{
    accept();
}
