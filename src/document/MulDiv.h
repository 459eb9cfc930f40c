#pragma once

#include <cstdint>

namespace casewright {

// a * b / c computed in 64 bits and rounded to the nearest integer, halves away
// from zero; -1 when c is 0. Font heights and point sizes depend on exactly this
// rounding, so every conversion between points and pixels goes through it.
inline int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const int64_t num = product < 0 ? -product : product;
    const int64_t den = c < 0 ? -static_cast<int64_t>(c) : c;
    const int64_t rounded = (num + den / 2) / den;
    return static_cast<int>(negative ? -rounded : rounded);
}

}  // namespace casewright
