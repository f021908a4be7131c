#pragma once

#include <QValidator>

// Converts everything typed or pasted into an edit to upper case, as the radio name
// and serial number edits show and store their letters.
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};
