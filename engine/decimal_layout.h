#pragma once
// The two ways a decimal form is written: the general layout ('1.23457E6',
// '0.0001') and the fixed layout with a set number of decimals ('98.07').
#include <cstddef>

#include "engine/decimal_form.h"

namespace siconv {

// Enough for either layout of any finite decimal form; the fixed layout is
// used only for forms with exponent <= 18 and at most 18 decimals.
inline constexpr std::size_t kLayoutCapacity = 64;

// Both write into out (kLayoutCapacity bytes) and return the length written.
std::size_t WriteGeneralLayout(const DecimalForm& form, int precision, char* out);
std::size_t WriteFixedLayout(const DecimalForm& form, int decimals, char* out);

}  // namespace siconv
