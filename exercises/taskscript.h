#pragma once
// The five control tasks.  Each task is a list of questions; the step right
// after its last question (TaskFinishStep) finishes the task.
#include "exercises/script.h"

#include <string>
#include <vector>

class TMyPacketData;

constexpr int TaskCount = 5;

// The questions of task 0..4; an empty list for any other number.
const std::vector<ScriptStep>& TaskSteps(int task);
// The finishing step of a task (its number of questions); -1 for no task.
int TaskFinishStep(int task);

// The variables that get a random value before every question, in draw order.
const std::vector<std::string>& TaskVariableNames();

// "~p" := pi, then one re-seeding and one draw from 100 per variable.
void DefineTaskVariables(TMyPacketData& data);
