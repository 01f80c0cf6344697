#pragma once
// When which hint is due outside the exam: before any wrong answer the
// general advice of the kind of question, then the diagnosis of the last
// wrong answer and, once the question has had three wrong answers and that
// diagnosis has been seen, the reference answer itself.
#include <string>
#include <string_view>
#include <vector>

#include "tutor/diagnosis.h"
#include "tutor/judge.h"

class TMyPacketData;

// Wrong answers to one question after which the reference answer may be seen.
inline constexpr int kWrongAnswersBeforeAnswer = 3;

struct DueHint {
    enum class What { Advice, Diagnosis, Answer };
    What what = What::Advice;
    Diagnosis diagnosis;           // Diagnosis: of the last wrong answer
    bool answerNext = false;       // Diagnosis: the answer is due at the next request
    std::string answer;            // Answer: the reference without its zero prefixes
};

class HintPolicy {
public:
    // The dialogue's own generator (confirmation, diagnosis and new step points).
    PointGenerator& generator() { return m_generator; }

    // A new question is on screen (the step changed or the window opened).
    void newQuestion();
    // The answer `typed` was judged wrong.
    void wrongAnswer(std::string typed);
    int wrongAnswers() const { return m_wrong; }

    // The request of a hint for the question whose reference is given.
    DueHint nextHint(std::string_view reference, const TMyPacketData& table, const std::vector<std::string>& randomNames);

private:
    PointGenerator m_generator;
    int m_wrong = 0;
    std::string m_lastWrong;
    bool m_diagnosed = false;  // the last wrong answer's diagnosis was shown
};
