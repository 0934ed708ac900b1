#pragma once
#include <string>
namespace tintwell {
// The longest leading number of a typed text; 0 when there is none.
double readNumber(const std::string& text);
// An ASCII capital in lower case; any other character as it is.
char toLower(char character);
// The digit's value in base, or -1 when it is not a digit of that base.
int digitValue(char character, int base);
}  // namespace tintwell
