#include "exercises/modules.h"

#include "formula/packetdata.h"
#include "formula/packetequation.h"

#include <cassert>
#include <memory>

namespace {

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

void doneModule(ExerciseModule& m)
{
    m.data.reset();
    m.equation.reset();
}

} // namespace

void InitExerciseModules()
{
    if (ExerciseModulesReady())
        return;
    initModule(urModule);
    initModule(kzsModule);
}

void DoneExerciseModules()
{
    doneModule(kzsModule);
    doneModule(urModule);
}

bool ExerciseModulesReady()
{
    return urModule.equation && kzsModule.equation;
}

TMyPacketEquation& UrEquation()
{
    assert(urModule.equation);
    return *urModule.equation;
}

TMyPacketData& UrData()
{
    assert(urModule.data);
    return *urModule.data;
}

TMyPacketEquation& KzsEquation()
{
    assert(kzsModule.equation);
    return *kzsModule.equation;
}

TMyPacketData& KzsData()
{
    assert(kzsModule.data);
    return *kzsModule.data;
}
