#pragma once
// The five control tasks.  Each task is a list of questions; the step right
// after its last question (kTaskFinishStep) finishes the task.
#include "exercises/script.h"

#include <string>
#include <vector>

class TMyPacketData;

constexpr int kTaskCount = 5;

// The questions of task 0..4; an empty list for any other number.
const std::vector<ScriptStep>& taskSteps(int task);
// The finishing step of a task (its number of questions); -1 for no task.
int kTaskFinishStep(int task);

// The variables that get a random value before every question, in draw order.
const std::vector<std::string>& taskVariableNames();

// "~p" := pi, then one re-seeding and one draw from 100 per variable.
void defineTaskVariables(TMyPacketData& data);
