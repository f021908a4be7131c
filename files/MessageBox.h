#pragma once

#include <QString>

class QWidget;

// The program's message box: kind 1 is information with OK and returns 1;
// kind 2 is a question with Yes and No and returns 6 (Yes) or 7 (No).
namespace MessageKind {
constexpr int Information = 1;
constexpr int Question = 2;
} // namespace MessageKind

constexpr int IdOk = 1;
constexpr int IdYes = 6;
constexpr int IdNo = 7;

int ShowMessageBox(const QString& caption, const QString& text, int kind);

// For failures the message texts do not cover (a file that cannot be read or written):
// an error icon and OK.
void ShowErrorBox(const QString& caption, const QString& text);
