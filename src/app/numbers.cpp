// Locale-independent number conversions built on <charconv>.
#include "app/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/system.h"

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Whether a number that does not fit a double was too large (true) or too
// small (false): the place of its first non-zero digit relative to the point
// plus the written exponent ("e" for decimal, "p" for hexadecimal digits).
bool rangeErrorIsOverflow(const char* first, const char* last, bool hex) {
    bool seenPoint = false, seenNonZero = false;
    long long intDigits = 0, leadingFractionZeros = 0;
    const char* p = first;
    for (; p < last; ++p) {
        if (*p == '.' && !seenPoint) {
            seenPoint = true;
        } else if (hex ? isHexDigit(*p) : isDigit(*p)) {
            if (!seenNonZero && *p == '0') {
                if (seenPoint) ++leadingFractionZeros;
                continue;
            }
            seenNonZero = true;
            if (!seenPoint) ++intDigits;
        } else {
            break;
        }
    }
    long long position = intDigits > 0 ? intDigits : -leadingFractionZeros;
    if (hex) position *= 4;  // hexadecimal digits are four binary places
    long long exponent = 0;
    const char mark = hex ? 'p' : 'e';
    if (p < last && (*p == mark || *p == mark - 32)) {
        ++p;
        bool negative = false;
        if (p < last && (*p == '+' || *p == '-')) negative = (*p++ == '-');
        for (; p < last && isDigit(*p); ++p)
            if (exponent < 100000000) exponent = exponent * 10 + (*p - '0');
        if (negative) exponent = -exponent;
    }
    return position + exponent > 0;
}

// Parses an unsigned number at [first, last) as from_chars would with the given
// format, turning range errors into infinity or zero. Returns the end of what
// was read (first when nothing was).
const char* parseUnsigned(const char* first, const char* last, std::chars_format format,
                          double& value) {
    const auto r = std::from_chars(first, last, value, format);
    if (r.ec == std::errc::result_out_of_range) {
        const bool overflow = rangeErrorIsOverflow(first, r.ptr, format == std::chars_format::hex);
        value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
        return r.ptr;
    }
    if (r.ec != std::errc()) {
        value = 0.0;
        return first;
    }
    return r.ptr;
}

}  // namespace

int parseGuiInt(const std::string& text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && static_cast<unsigned char>(text[i]) <= 32) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = (text[i++] == '-');
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < n && text[i] == '%') {
        base = 2;
        ++i;
    }
    // Accumulate the magnitude, stopping growth once it is past the int range.
    const long long cap = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i]);
        if (d >= base) break;
        if (magnitude <= cap) magnitude = magnitude * base + d;
    }
    if (negative) return magnitude >= cap ? INT_MIN : static_cast<int>(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

int floatToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT_MAX;
    if (value <= -2147483648.0) return INT_MIN;
    return static_cast<int>(value);  // the conversion truncates toward zero
}

int clampCount(int value, int limit, const std::string& what) {
    if (limit < 0) limit = 0;
    int result = value;
    if (value < 0) result = 0;
    if (value > limit) result = limit;
    if (result != value) {
        platform::printLine("Napotkano problem : " + what + " = " + std::to_string(value) +
                            " poza zakresem 0 - " + std::to_string(limit) + ", przyjeto " +
                            std::to_string(result));
    }
    return result;
}

double parseDecimal(const std::string& text) {
    const char* p = text.data();
    const char* last = p + text.size();
    while (p < last && isSpace(*p)) ++p;
    bool negative = false;
    if (p < last && (*p == '+' || *p == '-')) negative = (*p++ == '-');
    // from_chars takes its own "-"; after our sign nothing but the number may
    // follow, so "--1" and "+-1" read nothing, as with strtod.
    if (p >= last || *p == '+' || *p == '-') return 0.0;
    double value = 0.0;
    if (last - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        const char* h = p + 2;
        const bool hexFollows = (h < last && isHexDigit(*h)) ||
                                (h + 1 < last && *h == '.' && isHexDigit(h[1]));
        if (hexFollows) {
            parseUnsigned(h, last, std::chars_format::hex, value);
            return negative ? -value : value;
        }
        // "0x" without hexadecimal digits reads as the 0 before the x.
        return 0.0;
    }
    if (parseUnsigned(p, last, std::chars_format::general, value) == p) return 0.0;  // nothing readable: +0
    return negative ? -value : value;
}

std::string formatFloat9g(float value) {
    const double v = value;  // printf receives the float promoted to double
    char buf[64];
    if (!std::isfinite(v)) {
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        return std::string(buf, r.ptr);
    }
    // The %g choice: the exponent X of the value rounded to nine significant
    // digits decides between fixed (when -4 <= X < 9) and scientific form.
    const auto sci = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 8);
    const std::string scientific(buf, sci.ptr);
    const size_t e = scientific.find('e');
    int exponent = 0;
    const char* ep = scientific.c_str() + e + 1;
    if (*ep == '+') ++ep;
    std::from_chars(ep, scientific.c_str() + scientific.size(), exponent);
    if (exponent < -4 || exponent >= 9) return scientific;
    const auto fix = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 8 - exponent);
    std::string fixed(buf, fix.ptr);
    // "#" keeps the point even when no digit follows it.
    if (fixed.find('.') == std::string::npos) fixed += '.';
    return fixed;
}
