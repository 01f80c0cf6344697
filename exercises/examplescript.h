#pragma once
// The worked example: one beam on an inclined plane and a knife edge, taken
// apart in eleven questions.  Step 11 (kExampleFinishStep) finishes the example.
#include "exercises/script.h"

#include <string>
#include <vector>

class TMyPacketData;

const std::vector<ScriptStep>& exampleSteps();
constexpr int kExampleFinishStep = 11;

// The variables that get a random value before every question, in draw order.
const std::vector<std::string>& exampleVariableNames();

// "~p" := pi, then one re-seeding and one draw from 100 per variable.
void defineExampleVariables(TMyPacketData& data);
