#pragma once

#include <string>

namespace vindelkast {

// The number in a set-up field: a whole number, optionally signed, with blanks around it
// allowed. Anything else, and "-1", which the field shows as no number, gives 0.
int fieldNumber(const std::string& text);

// True when the field shows something that is not a whole number ("Inte ett giltigt tal!").
bool fieldIsInvalidNumber(const std::string& text);

}  // namespace vindelkast
