#pragma once

#include "core/cipher/shift_text.h"

namespace shiftpad {

// The transform exactly as it was first written down: one byte-text operation per step,
// a new text one byte longer for every position, so quadratic in the input length. It
// gives the same bytes as shift_text and is kept as the yardstick the tests, the fuzz
// target and the benchmark measure shift_text against; the program never calls it.
ByteText shift_text_reference(const ByteText& input, ShiftDirection direction);

}  // namespace shiftpad
