#include "tutor/hintpolicy.h"

#include "tutor/terms.h"

#include <utility>

void HintPolicy::newQuestion()
{
    m_wrong = 0;
    m_lastWrong.clear();
    m_diagnosed = false;
}

void HintPolicy::wrongAnswer(std::string typed)
{
    ++m_wrong;
    m_lastWrong = std::move(typed);
    m_diagnosed = false;
}

DueHint HintPolicy::nextHint(std::string_view reference, const TMyPacketData& table,
                             const std::vector<std::string>& randomNames)
{
    DueHint due;
    if (m_wrong == 0)
        return due;
    if (m_diagnosed && m_wrong >= kWrongAnswersBeforeAnswer) {
        due.what = DueHint::What::Answer;
        due.answer = joinTerms(referenceTerms(reference));
        return due;
    }
    due.what = DueHint::What::Diagnosis;
    due.diagnosis = diagnose(reference, m_lastWrong, table, randomNames, m_generator);
    due.answerNext = m_wrong >= kWrongAnswersBeforeAnswer;
    m_diagnosed = true;
    return due;
}
