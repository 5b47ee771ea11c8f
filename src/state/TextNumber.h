#pragma once

#include <string_view>

namespace krepogor {

// Reads the whole text as a number, as NumberText writes it and more:
// "-" only as a sign, decimal digits with or without a point, an exponent
// ("e5", "E-07", "e+05"), "inf", "infinity" and "nan" in any case ("nan(...)"
// too); no blanks, no "+", no hexadecimal. The nearest number of the type,
// halfway to the even one. False, with `out` unchanged, for any other text
// and for a number too large for the type or too small to be told from 0.
bool TextNumber(std::string_view text, double& out);
bool TextNumber(std::string_view text, float& out);

}  // namespace krepogor
