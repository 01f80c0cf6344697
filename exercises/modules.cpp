#include "exercises/modules.h"

#include "formula/packetdata.h"
#include "formula/packetequation.h"

#include <QCoreApplication>

#include <memory>
#include <stdexcept>

namespace {
class ModuleTexts {
    Q_DECLARE_TR_FUNCTIONS(Message)
};

// The formula objects of one exercise window.
struct ExerciseModule {
    std::unique_ptr<TMyPacketEquation> equation;
    std::unique_ptr<TMyPacketData> data;
};

ExerciseModule urModule;
ExerciseModule kzsModule;

void initModule(ExerciseModule& m)
{
    m.equation = std::make_unique<TMyPacketEquation>();
    m.data = std::make_unique<TMyPacketData>();
}

template <class T>
T& existing(const std::unique_ptr<T>& p)
{
    if (!p)
        throw std::logic_error(ModuleTexts::tr("Модули упражнений не инициализированы").toStdString());
    return *p;
}

void doneModule(ExerciseModule& m)
{
    m.data.reset();
    m.equation.reset();
}

} // namespace

void initExerciseModules()
{
    if (exerciseModulesReady())
        return;
    initModule(urModule);
    initModule(kzsModule);
}

void doneExerciseModules()
{
    doneModule(kzsModule);
    doneModule(urModule);
}

bool exerciseModulesReady()
{
    return urModule.equation && kzsModule.equation;
}

TMyPacketEquation& urEquation()
{
    return existing(urModule.equation);
}

TMyPacketData& urData()
{
    return existing(urModule.data);
}

TMyPacketEquation& kzsEquation()
{
    return existing(kzsModule.equation);
}

TMyPacketData& kzsData()
{
    return existing(kzsModule.data);
}
