#include "support/exercisetesting.h"

#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "eqedit/teqedit.h"
#include "exercises/modules.h"
#include "exercises/schemes.h"
#include "formula/packetdata.h"
#include "shell/kontrform.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "shell/repform.h"
#include "solver/forms/askform.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

ExerciseTestBed::ExerciseTestBed()
{
    installFontSubstitutions();
    initExerciseModules();
    RepForm = new TRepForm;
    KontrForm = new TKontrForm;
    AskForm = new TAskForm;
}

ExerciseTestBed::~ExerciseTestBed()
{
    delete AskForm;
    delete KontrForm;
    delete RepForm;
    AskForm = nullptr;
    KontrForm = nullptr;
    RepForm = nullptr;
    doneExerciseModules();
}

void ExerciseTestBed::reset()
{
    static_cast<QWidget*>(RepForm)->hide();
    static_cast<QWidget*>(KontrForm)->hide();
    static_cast<QWidget*>(AskForm)->hide();
    boxes.clear();
    ExamMode = false;
    ExamPassed = false;
}

void MakeRegularPoint(TMyPacketData& table, const std::vector<std::string>& names)
{
    int value = 3;
    for (const std::string& name : names)
        table.AddVariable(name, std::to_string(value++));
}

void TypeAnswer(TEqEdit* answer, const QString& text)
{
    answer->SetEquation(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(answer, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(answer, &release);
}

int CentredLeft(const QLabel* label)
{
    return label->parentWidget()->width() / 2 - label->width() / 2;
}

SchemeSurfaces DrawSchemesLike(const CanvasLabel* statementLike, const std::vector<SchemeCall>& calls)
{
    PictureBox picture(280, 160);
    CanvasLabel statement;
    statement.resize(statementLike->size());
    statement.setFont(statementLike->font());
    statement.setWordWrap(statementLike->wordWrap());
    statement.setTextFormat(statementLike->textFormat());
    statement.setAlignment(statementLike->alignment());
    SchemeTarget target{
        picture.canvas(),
        statement.canvas(),
        [&statement](const QString& caption) { statement.setText(caption); },
        [] {},
    };
    for (const SchemeCall& call : calls)
        call(target);
    return {picture.image(), statement.grabSurface(), statement.text()};
}
