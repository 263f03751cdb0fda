#pragma once

#include <QDate>
#include <QString>

// Message box styles and answers, as the window's logic names them.
inline constexpr int kStyleExclamationOk = 48;
inline constexpr int kStyleExclamationYesNo = 52;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// What the window needs of the system around it. The desktop answers with real
// boxes and the real clock; tests answer the boxes, fix the date and watch the
// program end without the test process dying.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // Closes the message box now waiting for an answer, if any, as its Escape
    // key would: OK, or No.
    virtual void dismissMessageBox() = 0;
    virtual void beep() = 0;
    // Ends the program at once; nothing is saved.
    virtual void endProgram() = 0;
    virtual QDate today() const = 0;
    // The folder that holds the program, without a trailing separator.
    virtual QString programFolder() const = 0;
    // Where a file of the program folder really lives: where the install keeps
    // the pet apart from the program, its pet file has another home.
    virtual QString fileLocation(const QString& path) const { return path; }
};
