#pragma once
// Drives an EqEditModel from a short script: plain characters are typed, and
// <BS> <Del> <Home> <End> <Left> <Right> <Up> <Down> <F3> <Undo> <Redo> <Enter>
// <Esc> press those keys; <@x> clicks at x.  Beeps and raised key presses are recorded.
#include "eqedit/eqeditmodel.h"

#include <QString>
#include <stdexcept>

struct ModelRecorder {
    int beeps = 0;
    int repaints = 0;
    QString raised; // every character raised by the key-press event, in order

    void attach(EqEditModel& m)
    {
        m.beep = [this] { ++beeps; };
        m.changed = [this] { ++repaints; };
        m.keyPressed = [this](QChar& c) { raised += c; };
    }
};

// Runs one step of a script starting at `at`; returns the position after it.
inline qsizetype runScriptStep(EqEditModel& m, const QString& script, qsizetype at)
{
    const QChar c = script.at(at);
    if (c != u'<' || at + 1 >= script.size() || script.at(at + 1) == u'>') {
        m.keyPress(c);
        return at + 1;
    }
    const qsizetype end = script.indexOf(u'>', at);
    if (end < 0)
        throw std::invalid_argument("unclosed key in script");
    const QString name = script.mid(at + 1, end - at - 1);
    static const std::pair<const char*, EqKey> keys[] = {
        {"BS", EqKey::Backspace}, {"Del", EqKey::Delete}, {"Home", EqKey::Home},
        {"End", EqKey::End},      {"Left", EqKey::Left},  {"Right", EqKey::Right},
        {"Up", EqKey::Up},        {"Down", EqKey::Down},  {"F3", EqKey::F3},
        {"Undo", EqKey::Undo},    {"Redo", EqKey::Redo},
    };
    for (const auto& [k, key] : keys)
        if (name == QLatin1String(k)) {
            m.keyDown(key);
            if (key == EqKey::Backspace) // the key also types character 8
                m.keyPress(QChar(8));
            return end + 1;
        }
    if (name == QLatin1String("Enter"))
        m.keyPress(QChar(13));
    else if (name == QLatin1String("Esc"))
        m.keyPress(QChar(27));
    else if (name.startsWith(u'@'))
        m.click(name.mid(1).toInt());
    else
        throw std::invalid_argument("unknown key in script");
    return end + 1;
}

inline void runScript(EqEditModel& m, const QString& script)
{
    for (qsizetype at = 0; at < script.size();)
        at = runScriptStep(m, script, at);
}
