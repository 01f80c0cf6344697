#pragma once
// Message boxes.  Every box of the program goes through ShowMessage (Warning
// icon, one OK button, modal) or ShowError (Critical icon).  A test installs a
// hook to capture the boxes instead of blocking in a modal loop.
#include <QMessageBox>
#include <QString>
#include <functional>

inline const QString kAppTitle = QStringLiteral("ВЕКТУМ-W");
inline const QString kExaminerTitle = QStringLiteral("КОНТРОЛЕР");

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
void ShowMessage(const QString& text, const QString& title = kAppTitle);

// A modal box with the Critical icon: the report of a fault that ended a handler.
void ShowError(const QString& text, const QString& title = kAppTitle);
