#pragma once
// A problem of the exercises as data: what a problem file (format 1, TOML)
// holds once it is read.  Texts are UTF-8; formulas stay in the equation
// notation ("R!B@", "~a").  Steps and stages count from 0.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A place in the file, from 1; 0 when unknown.
struct SourcePlace {
    int line = 0;
    int column = 0;
};

// A text in both languages of the program.
struct Translated {
    std::string ru;
    std::string en;
    SourcePlace at;
};

enum class ProblemKind { Example, Task };
enum class StepKind { Number, YesNo, Projection, Moment, Expression, Angle };

// A named quantity of the problem.  Every variable gets its own draw before
// each question, integers from `from` to `to`, in the order of the file;
// "~p" is pi and never drawn.
struct ProblemVariable {
    std::string name;
    bool pi = false;
    int from = 0;
    int to = 99;
    SourcePlace at;
};

// A teacher's message for one typical wrong answer, tried before the
// built-in diagnosis: shown when the typed answer equals `when`.
struct TeacherMessage {
    std::string when;
    Translated text;
    SourcePlace at;
};

// An answer a step must accept or refuse; `diagnosis` names what a refused
// answer must be told ("" when the test does not say).
struct AnswerTest {
    std::string answer;
    std::string diagnosis;
    SourcePlace at;
};

struct ProblemStep {
    Translated question;
    std::string reference;
    StepKind kind = StepKind::Expression;
    int points = 0;            // font size of the question; 0 keeps the size
    int stage = 0;             // the scheme stage shown with the question
    std::string unknown;       // an expression step: the unknown it expresses
    bool countsUnknowns = false;   // a number step: the number of unknowns
    // A condition of the problem that its drawn data do not keep (a relation
    // the statement gives, an overdetermined system): the check reports it
    // and names what the step's equations or expression then fail as notes.
    Translated known;
    std::vector<TeacherMessage> messages;
    std::vector<AnswerTest> accept;
    std::vector<AnswerTest> refuse;
    SourcePlace at;
    SourcePlace referenceAt;
};

enum class ItemType { Line, Dotted, Arrow, Arc, Ellipse, Rect, Polygon, Fill, Label, Text };
enum class ItemColour { Black, Red, Magenta, Grey, White, Yellow, Face };
enum class Surface { Picture, Statement };

struct ItemPoint {
    int x = 0;
    int y = 0;
};

// One drawing item of a stage.  `points`: a line's or polygon's corners; the
// two ends of a dotted line or an arrow (tip last); the two corners of the box
// of an ellipse, rectangle, fill or arc, followed for an arc by the points its
// two rays pass through; a label's or text's top left.
struct DrawItem {
    ItemType type = ItemType::Line;
    Surface on = Surface::Picture;
    std::vector<ItemPoint> points;
    ItemColour colour = ItemColour::Black;
    bool filled = false;
    ItemColour fill = ItemColour::White;
    bool hatch = false;
    int width = 1;
    Translated text;           // a label's text, or a text item's formula
    std::string sub;           // a label's subscript
    bool vector = false;       // a bar over the label
    bool bracketed = false;    // the vector label in brackets
    bool greek = false;        // Latin letters shown as Greek ones
    SourcePlace at;
};

struct ProblemStage {
    Translated description;
    std::vector<DrawItem> items;
    SourcePlace at;
};

struct Problem {
    int format = 0;
    std::string id;
    Translated title;
    ProblemKind kind = ProblemKind::Task;
    bool exam = false;
    Translated statement;
    std::vector<ProblemVariable> variables;
    std::vector<std::string> unknowns;
    std::vector<SourcePlace> unknownsAt;
    std::vector<ProblemStage> stages;
    std::vector<ProblemStep> steps;
};

// Limits of a problem file.
inline constexpr int kProblemFormat = 1;
inline constexpr std::size_t kMaxProblemFileBytes = 256 * 1024;
inline constexpr std::size_t kMaxProblemSteps = 64;
inline constexpr std::size_t kMaxProblemVariables = 48;
inline constexpr std::size_t kMaxProblemUnknowns = 9;
inline constexpr std::size_t kMaxProblemStages = 32;
inline constexpr std::size_t kMaxStageItems = 300;
inline constexpr std::size_t kMaxItemPoints = 32;
inline constexpr std::size_t kMaxStepTests = 32;       // accepted and refused answers together
inline constexpr std::size_t kMaxStepMessages = 16;
inline constexpr std::size_t kMaxTextBytes = 2000;     // a statement, question, description or message
inline constexpr std::size_t kMaxShortTextBytes = 200; // an id, a title, a label, a name
inline constexpr std::size_t kMaxFormulaBytes = 400;   // a reference, an answer, a `when`
inline constexpr int kMaxDrawValue = 100000;           // |from|, |to| of a draw
inline constexpr int kMaxPoints = 72;                  // a question's font size

// The boxes items are drawn in: the picture, and the statement area of the
// worked example (345 x 170) or of the control task (355 x 170).
inline constexpr int kPictureWidth = 280;
inline constexpr int kPictureHeight = 160;
inline constexpr int kStatementHeight = 170;
int statementWidth(ProblemKind kind);

// Pi written as decimal text that reads back as the double nearest pi.
std::string piDecimalText();
