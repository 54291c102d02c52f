#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace shiftpad {

// The same random bytes for every run, none of them 0, which would end a text; the
// cipher drops about one in 256 of them.
inline std::string random_bytes(std::size_t length) {
  std::mt19937 random(1);
  std::string bytes(length, '\0');
  for (char& byte : bytes) {
    byte = static_cast<char>(random() % 255 + 1);
  }
  return bytes;
}

}  // namespace shiftpad
