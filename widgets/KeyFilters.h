#pragma once

#include <QString>

class QObject;
class QWidget;

// Which keys an edit lets through. Backspace and Enter always pass (Enter is the
// window's business).
enum class KeySet {
    Frequency,          // digits and the decimal separator; "," and "." both give "."
    Tone,               // digits, ".", D I N d i n
    Name,               // letters (upper-cased), digits, space * + - /
    NameWithUnderscore, // the same and "_"
    Digits,             // digits and the decimal separator, as Frequency
};

// The rule itself: false discards the typed text; it may be replaced ("," -> ".",
// letters upper-cased for names).
bool FilterTypedText(KeySet set, QString& text);

// Filters the keys typed into a line edit, an editable combo box or a spin box.
// The filter is owned by the edit.
void InstallKeyFilter(QWidget* edit, KeySet set);
