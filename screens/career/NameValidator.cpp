// Name characters in an edit.
#include "screens/career/NameValidator.h"

#include "rules/career/NameText.h"

QValidator::State NameValidator::validate(QString& input, int&) const
{
    for (const QChar c : input)
        if (!isNameCharacter(c.unicode()))
            return Invalid;
    return Acceptable;
}
