#include "ui/keyfiltervalidator.h"

namespace zmp {

QValidator::State KeyFilterValidator::validate(QString& input, int&) const
{
    for (const char32_t c : input.toUcs4())
        if (!rule_(c)) return Invalid;
    return Acceptable;
}

} // namespace zmp
