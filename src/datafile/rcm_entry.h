// One key of a hierarchical data file with its values.
//
// Values are kept as text, numbers too: a number entry keeps each value
// exactly as it was written (with the space before it) and is decoded only
// when asked for, so reading and writing never lose digits.
#pragma once

#include <string>
#include <vector>

inline constexpr int entryTypeString = 0;
inline constexpr int entryTypeNumber = 1;

// The highest value index a setter accepts; larger ones are reported and
// ignored so that a stray index cannot allocate without bound.
inline constexpr int kMaxValueIndex = 65535;

// Writes "Napotkano problem : " + message as one line to standard output: the
// single way the data file layer reports a problem.
void reportDataProblem(const std::string& message);

class TRCMEntry {
public:
    std::string _id;                  // the key as written
    std::vector<std::string> _value;  // index 0 first
    int _type = entryTypeString;      // entryTypeString or entryTypeNumber

    // key + " = " + the values joined by ", ": strings in double quotes; a
    // number that is whole as that integer ("100", "-2"), an empty one as
    // "0", any other exactly as stored.
    std::string toTxt() const;
    // Stores value at index, growing the array with empty strings first.
    // A negative index or one above kMaxValueIndex is reported and ignored.
    void setValue(const std::string& value, int index);
    // A new array of n empty strings (none for n < 1).
    static std::vector<std::string> createArray(int n);
};

// The written form of one number value (see TRCMEntry::toTxt).
std::string numberValueText(const std::string& stored);
