#include "exercises/examplescript.h"

#include <QCoreApplication>

const std::vector<ScriptStep>& exampleSteps()
{
    static const std::vector<ScriptStep> steps = {
        {QT_TRANSLATE_NOOP("Script", "Какой угол будет составлять сила R!B@ c балкой AB, если балку освободить от внешних связей?"),
         "~p/2-~a", 10},
        {QT_TRANSLATE_NOOP("Script", "Какой угол сила R!D@ образует с вертикалью ?"), "0", 12},
        {QT_TRANSLATE_NOOP("Script", "Существует ли в уравнении (1) еще слагаемое, равное нулю ?"), "Y", 0},
        {QT_TRANSLATE_NOOP("Script", "Какой номер имеет это слагаемое?"), "2", 0},
        {QT_TRANSLATE_NOOP("Script", "Запишите сумму проекций всех сил на ось Ox"), "F-R!B@*sin(~a)", 0},
        {QT_TRANSLATE_NOOP("Script", "Запишите сумму проекций всех сил на ось Oy"), "R!D@+R!B@*cos(~a)-G", 0},
        {QT_TRANSLATE_NOOP("Script", "Запишите сумму моментов всех сил относительно т. D"), "R!B@*(2*b-a)*sin(~p/2-~a)-G*(b-a)", 0},
        {QT_TRANSLATE_NOOP("Script", "Запишите сумму моментов всех сил относительно т. B"), "G*b-R!D@*(2*b-a)", 0},
        {QT_TRANSLATE_NOOP("Script", "Запишите чему равна сила F из системы (1)"), "G*(b-a)/(2*b-a)*tan(~a)", 0},
        {QT_TRANSLATE_NOOP("Script", "Теперь, пожалуйста, запишите выражение для R!D"), "G-G*(b-a)/(2*b-a)", 0},
        {QT_TRANSLATE_NOOP("Script", "Будьте любезны, запишите также выражение для R!B"), "G*(b-a)/((2*b-a)*cos(~a))", 0},
    };
    return steps;
}

const std::vector<std::string>& exampleVariableNames()
{
    static const std::vector<std::string> names = {"N", "~a", "Y", "F", "R!B", "R!D", "G", "a", "b"};
    return names;
}

void defineExampleVariables(TMyPacketData& data)
{
    defineStepVariables(data, exampleVariableNames());
}
