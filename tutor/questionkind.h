#pragma once
// The kinds of question of the exercise scripts, which choose the general
// advice of a hint.  Each step of a script states its kind.
enum class QuestionKind {
    Number,      // a count, answered with a number
    YesNo,       // answered with the letter Y or N
    Projection,  // a sum of projections
    Moment,      // a sum of moments
    Expression,  // an unknown written through the given quantities
    Angle,       // an angle read off the scheme
};
inline constexpr int kQuestionKindCount = 6;
