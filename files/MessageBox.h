#pragma once

#include <QString>

class QWidget;

// The program's message box: kind 1 is information with OK and returns 1;
// kind 2 is a question with Yes and No and returns 6 (Yes) or 7 (No), Escape being No;
// kind 3 adds Cancel, which Escape and the box's close button also give (2), for a
// question whose answer may stop the command that asked it.
namespace MessageKind {
constexpr int Information = 1;
constexpr int Question = 2;
constexpr int QuestionWithCancel = 3;
} // namespace MessageKind

constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdYes = 6;
constexpr int IdNo = 7;

int ShowMessageBox(const QString& caption, const QString& text, int kind);

// For failures the message texts do not cover (a file that cannot be read or written):
// an error icon and OK.
void ShowErrorBox(const QString& caption, const QString& text);
