#pragma once

#include "core/text/byte_text.h"

namespace shiftpad {

// The sign applied to each byte's 1-based position.
enum class ShiftDirection : int { Encrypt = +1, Decrypt = -1 };

// Shifts every byte by its 1-based position, modulo 256, and leaves out each byte that
// comes out as 0. Positions count input bytes, so a dropped byte does not move the shift
// of those after it. Borrows `input`. Returns the null handle for an empty input, and a
// zero-length text when every byte is dropped. Linear time, one allocation.
ByteText shift_text(const ByteText& input, ShiftDirection direction);

}  // namespace shiftpad
