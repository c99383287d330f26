// Upper-casing of expression text: only a to z change, and the two bytes of a
// double-byte character of the text's code page are left alone.
#pragma once

#include <span>

#include "batch/LeadByte.h"

namespace quorvane::batch {

// Upper-cases the text in place. Text that comes in blocks is upper-cased
// block by block: `trailFirst` tells that the block begins with the trail
// byte of a character that the previous block began, and the result tells
// the same of the next block.
bool UpperCaseText(std::span<char> text, LeadBytePredicate isLeadByte = nullptr,
                   bool trailFirst = false);

}  // namespace quorvane::batch
