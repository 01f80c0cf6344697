#pragma once
// The two exam flags of the program set for a scope and put back as they were
// when it ends.
#include "platform/forms.h"

class ExamFlags {
public:
    ExamFlags(bool examMode, bool examPassed)
        : m_mode(ExamMode)
        , m_passed(ExamPassed)
    {
        ExamMode = examMode;
        ExamPassed = examPassed;
    }
    ~ExamFlags()
    {
        ExamMode = m_mode;
        ExamPassed = m_passed;
    }
    ExamFlags(const ExamFlags&) = delete;
    ExamFlags& operator=(const ExamFlags&) = delete;

private:
    bool m_mode;
    bool m_passed;
};
