#include "platform/language.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {
Language& installed()
{
    static Language language = Language::Russian;
    return language;
}

std::unique_ptr<QTranslator>& catalogue()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Every message the formula engine, the equation control's evaluator and the
// message boxes give, in one context.  %1 stands for a part that varies: a
// number, a name, a position or another message.
constexpr const char* kMessageContext = "Message";
const char* const kMessages[] = {
    // Message boxes and the handler guard.
    QT_TRANSLATE_NOOP("Message", "ВЕКТУМ-W"),
    QT_TRANSLATE_NOOP("Message", "КОНТРОЛЕР"),
    QT_TRANSLATE_NOOP("Message", "Недостаточно памяти для выполнения операции."),
    QT_TRANSLATE_NOOP("Message", "Непредвиденная ошибка."),
    QT_TRANSLATE_NOOP("Message", "Модули упражнений не инициализированы"),
    QT_TRANSLATE_NOOP("Message",
                      "    Прежде чем Вы приступите к вычислению матрицы, Вам придется ответить на несколько тестовых "
                      "вопросов. При пяти неправильных ответах КОНТРОЛЕР прекращает работу и вызывает РЕПЕТИТОР."),
    QT_TRANSLATE_NOOP("Message", "Ошибка! Введены не все данные."),
    QT_TRANSLATE_NOOP("Message", "Ошибка! Матрица A является вырожденной."),
    QT_TRANSLATE_NOOP("Message",
                      "Ошибка! Решение не может быть вычислено: числа выходят за пределы допустимого диапазона."),
    // The formula engine.
    QT_TRANSLATE_NOOP("Message", "Ошибка: пустой параметр при обращении к таблице"),
    QT_TRANSLATE_NOOP("Message", "Ошибка: нет такой переменной \"%1\""),
    QT_TRANSLATE_NOOP("Message", "Ошибка: Деление на нуль"),
    QT_TRANSLATE_NOOP("Message", "Ошибка: нуль в аргументе логарифма"),
    QT_TRANSLATE_NOOP("Message", "Ошибка: ноль в аргументе котангенса"),
    QT_TRANSLATE_NOOP("Message", "Ошибка в записи формулы: пропущен операнд"),
    QT_TRANSLATE_NOOP("Message", "Ошибка вычисления: недопустимая операция (неопределённое значение)"),
    QT_TRANSLATE_NOOP("Message", "Ошибка вычисления: переполнение"),
    QT_TRANSLATE_NOOP("Message", "Ошибка в записи формулы: формула слишком длинная"),
    QT_TRANSLATE_NOOP("Message", "Ошибка в записи формулы: слишком глубокая вложенность скобок"),
    QT_TRANSLATE_NOOP("Message", "Ошибка: \"%1\" не является числом"),
    QT_TRANSLATE_NOOP("Message", "Ошибка: нехватает закрывающей скобки"),
    QT_TRANSLATE_NOOP("Message", "Ошибка: нехватает открывающей скобки"),
    QT_TRANSLATE_NOOP("Message", "Ошибка: число \"%1\" слишком велико"),
    QT_TRANSLATE_NOOP("Message", "Ошибка: Несчем сравнивать"),
    QT_TRANSLATE_NOOP("Message", "Ошибка вычисления: значение не является числом"),
    // The equation control's evaluator.
    QT_TRANSLATE_NOOP("Message", "Невозможно преобразовать строку '%1' в число."),
    QT_TRANSLATE_NOOP("Message", "Неверное расставление скобок в позиции %1"),
    QT_TRANSLATE_NOOP("Message", "Пустая строка."),
    QT_TRANSLATE_NOOP("Message", "В показателе степени ( скобок больше, чем )."),
    QT_TRANSLATE_NOOP("Message", "В показателе степени ) скобок больше, чем (."),
    QT_TRANSLATE_NOOP("Message",
                      "Возможно при выполнении операции возведения в степень произошло переполнение буфера."),
    QT_TRANSLATE_NOOP("Message",
                      "Невозможно при выполнении операции возведения в степень произошло переполнение буфера."),
    QT_TRANSLATE_NOOP("Message", "Возможно при выполнении операции произведения произошло переполнение буфера."),
    QT_TRANSLATE_NOOP(
        "Message", "Возможно при выполнении операции деления произошло переполнение буфера или деление на нуль."),
    QT_TRANSLATE_NOOP("Message", "Возможно при выполнении операции сложения произошло переполнение буфера."),
    QT_TRANSLATE_NOOP("Message", "Возможно при выполнении операции вычитания произошло переполнение буфера."),
    QT_TRANSLATE_NOOP("Message", "Отсутствует скобка ( в строке %1"),
    QT_TRANSLATE_NOOP("Message", "Отсутствует скобка ) в строке %1"),
    QT_TRANSLATE_NOOP("Message", "При вычислении котангенса произошло деление на 0."),
    QT_TRANSLATE_NOOP("Message", "При вычислении тангенса произошло деление на 0."),
    QT_TRANSLATE_NOOP("Message", "При вычислении секанса произошло деление на 0."),
    QT_TRANSLATE_NOOP("Message", "При вычислении косеканса произошло деление на 0."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении гиперболического синуса."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении гиперболического косинуса."),
    QT_TRANSLATE_NOOP("Message", "При вычислении гиперболического тангенса произошло деление на 0."),
    QT_TRANSLATE_NOOP("Message", "При вычислении гиперболического котангенса произошло деление на 0."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении экспоненты."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении квадрата числа."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении котангенса."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении тангенса."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении секанса."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении косеканса."),
    QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении гиперболического котангенса."),
    QT_TRANSLATE_NOOP("Message", "Неизвестная функция %1"),
    QT_TRANSLATE_NOOP("Message", "Аргумент для вычисления арксинуса, равный %1, должен лежать в интервале (-1;1)."),
    QT_TRANSLATE_NOOP("Message",
                      "Аргумент  для вычисления арккосинуса, равный %1, должен лежать в интервале (-1;1)."),
    QT_TRANSLATE_NOOP("Message", "Аргумент  для вычисления натурального логарифма, равный %1, должен быть больше нуля."),
    QT_TRANSLATE_NOOP("Message", "Аргумент  для вычисления десятичного логарифма, равный %1, должен быть больше нуля."),
    QT_TRANSLATE_NOOP("Message", "Квадратный корень из отрицательного числа %1."),
    QT_TRANSLATE_NOOP("Message", "Верхний индекс в позиции %1 не связан ни с одним выражением."),
    QT_TRANSLATE_NOOP("Message", "Нижний индекс в позиции %1 не связан ни с одним выражением."),
    QT_TRANSLATE_NOOP("Message", "Невозможно вычислить одно или оба выражения при сравнении (%1)."),
};

// A message with a varying part, as a pattern that captures that part.
struct Pattern {
    const char* source;
    QRegularExpression match;
};

const std::vector<Pattern>& patterns()
{
    static const std::vector<Pattern> list = [] {
        std::vector<Pattern> made;
        for (const char* source : kMessages) {
            const QString text = QString::fromUtf8(source);
            const qsizetype at = text.indexOf(QLatin1String("%1"));
            if (at < 0)
                continue;
            const QString expression = QLatin1Char('^') + QRegularExpression::escape(text.left(at))
                                       + QLatin1String("(.*)")
                                       + QRegularExpression::escape(text.mid(at + 2)) + QLatin1Char('$');
            made.push_back({source, QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption)});
        }
        return made;
    }();
    return list;
}

QString translateMessageAt(const QString& text, int depth)
{
    for (const char* source : kMessages)
        if (text == QString::fromUtf8(source))
            return QCoreApplication::translate(kMessageContext, source);
    if (depth > 4)
        return text;
    for (const Pattern& p : patterns()) {
        const QRegularExpressionMatch m = p.match.match(text);
        if (m.hasMatch())
            return QCoreApplication::translate(kMessageContext, p.source)
                .arg(translateMessageAt(m.captured(1), depth + 1));
    }
    return text;
}
} // namespace

bool parseLanguage(const QString& value, Language& language)
{
    const QString v = value.trimmed().toLower();
    if (v == QLatin1String("ru"))
        language = Language::Russian;
    else if (v == QLatin1String("en"))
        language = Language::English;
    else
        return false;
    return true;
}

Language chooseLanguage(const QStringList& uiLanguages, const QString& requested)
{
    Language language = Language::Russian;
    if (parseLanguage(requested, language))
        return language;
    if (uiLanguages.isEmpty())
        return Language::Russian;
    const QString first = uiLanguages.first().toLower();
    if (first == QLatin1String("en") || first.startsWith(QLatin1String("en-"))
        || first.startsWith(QLatin1String("en_")))
        return Language::English;
    return Language::Russian;
}

QString languageArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        for (const QLatin1String prefix : {QLatin1String("--lang="), QLatin1String("-lang=")})
            if (a.startsWith(prefix))
                return a.mid(prefix.size());
        if ((a == QLatin1String("--lang") || a == QLatin1String("-lang")) && i + 1 < arguments.size())
            return arguments[i + 1];
    }
    return {};
}

QString translateText(Language language, const char* context, const char* source)
{
    if (language == Language::English) {
        static QTranslator english;
        static const bool loaded = english.load(QStringLiteral(":/i18n/vektum_en.qm"));
        const QString text = loaded ? english.translate(context, source) : QString();
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

bool installLanguage(Language language)
{
    if (catalogue()) {
        QCoreApplication::removeTranslator(catalogue().get());
        catalogue().reset();
    }
    installed() = Language::Russian;
    if (language == Language::Russian)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/vektum_en.qm")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    catalogue() = std::move(translator);
    installed() = language;
    return true;
}

Language installStartupLanguage(const QStringList& arguments)
{
    const Language language = chooseLanguage(QLocale::system().uiLanguages(), languageArgument(arguments));
    if (!installLanguage(language))
        qWarning("vektum: the English catalogue :/i18n/vektum_en.qm is missing; the texts stay Russian");
    return currentLanguage();
}

Language currentLanguage()
{
    return installed();
}

QString translateMessage(const QString& text)
{
    return translateMessageAt(text, 0);
}

QStringList translatedMessageSources()
{
    QStringList list;
    for (const char* source : kMessages)
        list.append(QString::fromUtf8(source));
    return list;
}
