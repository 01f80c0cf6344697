#pragma once
// What the exercise scripts share (plain C++): one question step, the number pi as the
// decimal text the variable tables hold, and the random batch of a step's
// variable values.
#include <string>
#include <vector>

#include "tutor/questionkind.h"

class TMyPacketData;

// The scripts' texts are marked for lupdate and translated where they are
// read (QCoreApplication::translate("Script", text)); the mark itself is plain
// C++, so that the scripts need no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// One question of a script.  Texts are UTF-8 in the equation notation.
struct ScriptStep {
    const char* question;
    const char* reference;   // the reference formula the answer is judged against
    int points;              // font size of the question control in points; 0 keeps the size
    QuestionKind kind;       // what is asked for: chooses the general advice of a hint
};

// Pi written as decimal text that reads back as the double nearest pi.
std::string piText();

// Defines "~p" as pi, then re-seeds the generator from the clock and defines
// each named variable, in order, with its own draw from 100 values (written as
// decimal text).
void defineStepVariables(TMyPacketData& data, const std::vector<std::string>& randomNames);
