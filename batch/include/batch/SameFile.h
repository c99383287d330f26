// Whether two file names mean the same file: spelt alike once made absolute
// and normalised, or naming one file on disk (links and other spellings
// included).
#pragma once

#include <string>

namespace quorvane::batch {

bool NameSameFile(const std::string& a, const std::string& b);

}  // namespace quorvane::batch
