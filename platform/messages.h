#pragma once
// Message boxes.  Every box of the program goes through ShowMessage (Warning
// icon, one OK button, modal) or ShowError (Critical icon).  Their texts and
// titles are translated by the caller, tr() like every other text.  A test
// installs a hook to capture the boxes instead of blocking in a modal loop.
#include <QMessageBox>
#include <QString>
#include <functional>

// The program's name, the title of its boxes, in the installed language.
QString appTitle();
// The Examiner's name, the title of the entrance test's boxes.
QString examinerTitle();

struct ShownMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

using MessageHook = std::function<void(const ShownMessage&)>;

// Installs a hook that receives every box instead of showing it; an empty hook
// restores real boxes.  Returns the previous hook.
MessageHook setMessageHook(MessageHook hook);

// A modal box with the Warning icon and one OK button.
void ShowMessage(const QString& text, const QString& title = appTitle());

// A modal box with the Critical icon: the report of a fault that ended a handler.
void ShowError(const QString& text, const QString& title = appTitle());
