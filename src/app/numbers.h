// The one place where numbers are converted between text and values. Every
// conversion here is independent of the C locale, so a player's comma-decimal
// locale cannot change what a file means.
#pragma once

#include <algorithm>
#include <limits>
#include <string>

// Integers of GUI definition files, animation schemes and tutorial scripts:
// leading white space skipped, one optional sign, then decimal digits ("$"
// switches to hexadecimal, "%" to binary) up to the first other character.
// No digits give 0; values beyond the int range saturate.
int parseGuiInt(const std::string& text);

// Truncates toward zero; NaN gives 0; values beyond the int range saturate at
// INT_MIN / INT_MAX.
int floatToInt(double value);

// A count read from a file, kept within [0, limit]. A value outside is
// reported as "Napotkano problem : " + what + ... on standard output and the
// nearest bound is returned.
int clampCount(int value, int limit, const std::string& what);

// Decimal numbers of data files by the C library's strtod rules in the "C"
// locale: leading white space skipped, optional "+" or "-", decimal digits
// with an optional point and exponent ("1e3"), hexadecimal after "0x",
// "inf", "infinity" and "nan" in any letter case; the longest prefix that
// reads as a number is taken; nothing readable gives 0. Too large values give
// infinity, too small ones 0, as strtod does.
double parseDecimal(const std::string& text);

// The float as printf "%#.9g" shows it in the "C" locale: nine significant
// digits, trailing zeros and the point kept ("0.300000012", "-20.5000000",
// "1.00000000e+10", "0.00000000"). It reads back to the same float.
std::string formatFloat9g(float value);

// a + b saturated at the int range: clock deadlines with intervals read from
// files must not overflow.
inline int addSaturated(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return static_cast<int>(std::clamp<long long>(sum, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}
