#include "exercises/taskscript.h"

namespace {

const std::vector<ScriptStep> task0 = {
    {QT_TRANSLATE_NOOP("Script", "Сколько неизвестных будет в уравнениях равновесия сист., освобожденной от внешн. связей?"), "4", 10, QuestionKind::Number},
    {QT_TRANSLATE_NOOP("Script", "Можно ли определить реакции внешних связей, не расчленяя систему?"), "N", 12, QuestionKind::YesNo},
    {QT_TRANSLATE_NOOP("Script", "Сколько неизвестных составляющих у реакции в т. С?"), "2", 0, QuestionKind::Number},
    {QT_TRANSLATE_NOOP("Script", "Укажите число независимых неизвестных, если расчленить систему"), "6", 0, QuestionKind::Number},
    {QT_TRANSLATE_NOOP("Script", "При каком значении момента М реакция R!D@ равна нулю"), "2-2+P*a*cos(~p/2-~a)", 0, QuestionKind::Expression},
    {QT_TRANSLATE_NOOP("Script", "Является ли эта задача статически определимой?"), "Y", 0, QuestionKind::YesNo},
    {QT_TRANSLATE_NOOP("Script", "Сколько нужно составить уравнений, чтобы найти все неизвестные?"), "6", 0, QuestionKind::Number},
    {QT_TRANSLATE_NOOP("Script", "Запишите для колонны сумму проекций всех сил на ось Ox"), "1-1+R!D@-X!C@", 12, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите для колонны сумму проекций всех сил на ось Oy"), "1-1+Y!C@-P", 12, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите для колонны сумму моментов всех сил относительно т. C"), "2-2+P*a*sin(~a)-M-R!D@*2*a*cos(~a)", 12, QuestionKind::Moment},
    {QT_TRANSLATE_NOOP("Script", "Запишите для балки сумму проекций всех сил на ось Ox"), "2-2+X!C@+X!B@", 0, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите для балки сумму проекций всех сил на ось Oy"), "2-2+R!A@+Y!B@-Y!C@", 0, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите для балки сумму моментов всех сил относительно т. C"), "2-2+M+Y!B@*3*b-R!A@*b", 0, QuestionKind::Moment},
};

const std::vector<ScriptStep> task1 = {
    {QT_TRANSLATE_NOOP("Script", "Сколько неизвестных составляющих у реакции в т. A?"), "2", 0, QuestionKind::Number},
    {QT_TRANSLATE_NOOP("Script", "Запишите сумму проекций всех сил на ось Ox"), "1-1+X!A@-R!B@*sin(~a)", 0, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите сумму проекций всех сил на ось Oy"), "1-1+Y!A@+R!B@*cos(~a)-P", 0, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите сумму моментов всех сил относительно точки A"), "0+2-2+M-P*b+2*b*R!B@*sin(~p/2-~a)", 0, QuestionKind::Moment},
    {QT_TRANSLATE_NOOP("Script", "Пусть тело находится в равновесии. Чему равна сила Y!A@?"), "0+2-2+P-(P*b-M)/(2*b)", 0, QuestionKind::Expression},
};

const std::vector<ScriptStep> task2 = {
    {QT_TRANSLATE_NOOP("Script", "Чему равна сила X!B@?"), "0+2-2", 0, QuestionKind::Expression},
    {QT_TRANSLATE_NOOP("Script", "Чему равна сила Y!B@?"), "0+2-2+P-F", 0, QuestionKind::Expression},
    {QT_TRANSLATE_NOOP("Script", "Чему равен момент M!B@?"), "2*F*a-P*a", 0, QuestionKind::Expression},
};

const std::vector<ScriptStep> task3 = {
    {QT_TRANSLATE_NOOP("Script", "Сколько нужно составить уравнений, чтобы найти все неизвестные?"), "3", 0, QuestionKind::Number},
    {QT_TRANSLATE_NOOP("Script", "Запишите сумму проекций всех сил на ось Ox"), "X!B@-F*sin(~a)", 0, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите сумму проекций всех сил на ось Oy"), "Y!B@+F*cos(~a)", 0, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Чему равен момент M!B@?"), "-F*(b-a*tan(~a))*sin(~p/2-~a)", 0, QuestionKind::Expression},
};

const std::vector<ScriptStep> task4 = {
    {QT_TRANSLATE_NOOP("Script", "Сколько составляющих имеет реакция связи в точке A?"), "1", 0, QuestionKind::Number},
    {QT_TRANSLATE_NOOP("Script", "Запишите для балки AK сумму проекций всех сил на ось Ox"), "T!A@*cos(~a)-T!B*cos(~b)", 0, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите для балки AK сумму проекций всех сил на ось Oy"), "T!A@*sin(~a)+T!B*sin(~b)-P", 0, QuestionKind::Projection},
    {QT_TRANSLATE_NOOP("Script", "Запишите сумму моментов всех сил относительно точки A"), "T!B@*(a+b)*sin(~b)-P*a", 0, QuestionKind::Moment},
    {QT_TRANSLATE_NOOP("Script", "Чему равна сила T!A@?"), "P*a*cos(~b)/((a+b)*cos(~a)*sin(~b))", 0, QuestionKind::Expression},
};

const std::vector<ScriptStep> noTask;

} // namespace

const std::vector<ScriptStep>& taskSteps(int task)
{
    switch (task) {
    case 0: return task0;
    case 1: return task1;
    case 2: return task2;
    case 3: return task3;
    case 4: return task4;
    default: return noTask;
    }
}

int kTaskFinishStep(int task)
{
    if (task < 0 || task >= kTaskCount)
        return -1;
    return static_cast<int>(taskSteps(task).size());
}

const std::vector<std::string>& taskVariableNames()
{
    static const std::vector<std::string> names = {"N",   "Y",   "P",   "a",   "~a",  "R!D", "X!C",
                                                    "Y!C", "M",   "X!B", "Y!B", "R!A", "b",   "X!A",
                                                    "Y!A", "R!B", "F",   "T!A", "T!B", "~b"};
    return names;
}

void defineTaskVariables(TMyPacketData& data)
{
    defineStepVariables(data, taskVariableNames());
}
