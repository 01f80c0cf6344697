#pragma once
// What the two exercise windows share in their dialogue: the feedback texts
// and their random choice, the re-centring of the feedback label, the reset of
// the answer control, the verdict of a typed answer, the skip area, and the
// filter that tells activations among the program's windows from those caused
// by a message box or another application.
#include <QLabel>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "tutor/judge.h"

class TEqEdit;
class TMyPacketData;
class TMyPacketEquation;

// The feedback label's text while a question waits for its answer.
QString promptText();

using FeedbackTexts = std::array<const char*, 4>;
const FeedbackTexts& examplePraises();
const FeedbackTexts& taskPraises();
const FeedbackTexts& reproaches();

// Re-seeds the generator from the clock and takes the text of a draw from 4.
QString DrawFeedbackText(const FeedbackTexts& texts);

// Sets the label's text, fits the label to it and centres it horizontally in
// its parent: left := parent width / 2 - label width / 2 (integer halves).
// A praise or reproach is also announced to a screen reader.
void setCentredText(QLabel* label, const QString& text);

// The question shown in `question` as a screen reader hears it, read in words.
QString spokenQuestion(const TEqEdit* question);
// Announces the question to a screen reader; the focus stays in the answer
// control.
void announceQuestion(TEqEdit* question);

// Empties the answer control to a single blank and delivers a left-button
// press at (0, 0) with no modifiers, which puts the caret at its start.
void resetAnswerControl(TEqEdit* answer);

// judgeAnswer over the window's table with the texts of the answer control.
Verdict checkAnswer(TMyPacketEquation& equation, TMyPacketData& table, const QString& reference,
                    const QString& typed, const std::vector<std::string>& randomNames, PointGenerator& points);

// The invisible skip area: a caption-less label that reports a left click.
// A double click is one click: its second press and release report nothing.
class ClickArea : public QLabel {
    Q_OBJECT
public:
    explicit ClickArea(QWidget* parent = nullptr);
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
    bool m_doubleClick = false;   // from the double click to its release
};

// Activation of a window counts only when it moves between windows of the
// program: losing the focus to a dialog shown modally over the window (a
// message box, the help or the About window) or to another application, and
// getting it back from there, is not a change of window.
class ActivationGate {
public:
    // On QEvent::WindowDeactivate: true when the window handler should run.
    bool deactivated();
    // On QEvent::WindowActivate: true when the window handler should run.
    bool activated();
    // On hiding: whatever happens next is a new activation.
    void reset() { m_away = false; }

private:
    bool m_away = false;
};
