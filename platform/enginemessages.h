#pragma once
// The formula engine's messages in the program's language.  The engine
// reports a code with its arguments (formula/messages.h); the wording here
// translates the engine's own text of that code and puts the arguments in.
#include <QString>

#include <string>
#include <vector>

#include "formula/messages.h"
#include "platform/language.h"

class FormulaError;

// The text of a code with its arguments, in the installed language.
QString translatedMessage(FormulaMessage message, const std::vector<std::string>& args = {});
// The same in a given language, without the application object (for what is
// written before it exists, as the command line's check of problem files).
QString translatedMessage(FormulaMessage message, const std::vector<std::string>& args, Language language);
// The text of the message an engine exception carries.
QString translatedMessage(const FormulaError& error);
