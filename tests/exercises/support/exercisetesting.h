#pragma once
// Helpers of the exercise window tests: the menus the windows return to, the
// boxes they show, a regular point for the variable table, typing an answer,
// and the surfaces a run of schemes should leave.
#include <QImage>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "exercises/schemes.h"
#include "messagecapture.h"

class QLabel;
class QWidget;
class TEqEdit;
class TMyPacketData;
class CanvasLabel;

// Creates the menus and the order-choice window the exercise windows show,
// the exercise modules' objects, and captures every message box.
class ExerciseTestBed : public MessageCapture {
public:
    ExerciseTestBed();
    ~ExerciseTestBed();
    ExerciseTestBed(const ExerciseTestBed&) = delete;
    ExerciseTestBed& operator=(const ExerciseTestBed&) = delete;

    // Hides every menu and forgets the boxes shown so far.
    void reset();
};

// Gives each named variable a distinct value (3, 4, 5, ... in order), so that
// no denominator of the scripts vanishes and the answers Y and N differ.
void MakeRegularPoint(TMyPacketData& table, const std::vector<std::string>& names);

// Puts the text into the answer control and presses Enter in it.
void TypeAnswer(TEqEdit* answer, const QString& text);

// The label's left edge as the re-centring rule puts it in its panel.
int CentredLeft(const QLabel* label);

// The picture and the statement label after a run of schemes, drawn on fresh
// surfaces configured like the window's statement label.
struct SchemeSurfaces {
    QImage picture;
    QImage statement;
    QString caption;
};
using SchemeCall = std::function<void(const SchemeTarget&)>;
SchemeSurfaces DrawSchemesLike(const CanvasLabel* statementLike, const std::vector<SchemeCall>& calls);
