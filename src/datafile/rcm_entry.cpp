// One key of a hierarchical data file.
#include "datafile/rcm_entry.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "app/numbers.h"
#include "app/strings.h"
#include "platform/system.h"

void reportDataProblem(const std::string& message) {
    platform::printLine("Napotkano problem : " + message);
}

std::string numberValueText(const std::string& stored) {
    const double v = parseDecimal(stored);
    // Whole when the decimal reading has no fraction and fits a 64-bit
    // integer; such a value is written as that integer.
    if (std::isfinite(v) && v == std::trunc(v) && v >= -9223372036854775808.0 &&
        v < 9223372036854775808.0) {
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(v));
        return std::string(buf, r.ptr);
    }
    // Other numbers as stored, without the white space a number read from a
    // file keeps: otherwise every load and save would add one more space.
    return trimText(stored);
}

std::string TRCMEntry::toTxt() const {
    std::string out = _id;
    out += " = ";
    for (size_t k = 0; k < _value.size(); ++k) {
        if (k > 0) out += ", ";
        if (_type == entryTypeString) {
            out += '"';
            out += _value[k];
            out += '"';
        } else {
            out += numberValueText(_value[k]);
        }
    }
    return out;
}

void TRCMEntry::setValue(const std::string& value, int index) {
    if (index < 0 || index > kMaxValueIndex) {
        reportDataProblem("Nieprawidlowy indeks " + std::to_string(index) + " dla klucza : " + _id);
        return;
    }
    const size_t need = static_cast<size_t>(index) + 1;
    if (_value.size() < need) _value.resize(need);
    _value[static_cast<size_t>(index)] = value;
}

std::vector<std::string> TRCMEntry::createArray(int n) {
    return std::vector<std::string>(n > 0 ? static_cast<size_t>(n) : 0);
}
