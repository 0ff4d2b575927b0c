// Keeps a name edit to characters the save file can hold.
#pragma once

#include <QValidator>

// Accepts text made only of name characters (printable Latin-1); anything
// else typed or pasted is refused whole, so the edit keeps its text.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
