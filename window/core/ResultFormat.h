// How the calculator writes a value: fixed notation with two decimals, the
// same digits on every platform; infinities and not-a-numbers as inf, -inf
// and nan.
#pragma once

#include <string>

#include "ExprEngine.h"

// Appends the value with two decimals ("%.2f").
void AppendFixed2(std::string& out, double value);

// Appends what stands for a line's outcome: its value with two decimals, or
// the word Error. Not for lines with nothing to evaluate.
void AppendOutcome(std::string& out, const LineOutcome& outcome);
