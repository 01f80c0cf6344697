#pragma once
// The equation control's evaluator messages in the program's language: each
// code has one translatable text here, with %1 where its argument goes.
#include <QString>

#include "eqedit/evaluatormessage.h"

// The text of the message in the installed language; "" for no message.
QString translatedMessage(const EvaluatorMessage& message);
