// 32-bit arithmetic that wraps around like the applet's own integers instead
// of overflowing: values read from a project file are not checked, so sums
// and products of them must stay defined.
#pragma once

#include <cstdint>

inline int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t WrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
