// The lead-byte test of a text's code page: what tells the two bytes of a
// double-byte character apart, wherever text is cut, edited or upper-cased.
#pragma once

namespace quorvane::batch {

// Tells whether a byte starts a double-byte character; null where the code
// page has none.
using LeadBytePredicate = bool (*)(unsigned char);

}  // namespace quorvane::batch
