// The hierarchical data file: every data, level, profile and settings file of
// the game. Named groups in braces, nested, holding `key = value` lines whose
// values are strings in double quotes or numbers, single or comma-separated:
//
//     settings {
//         musicVolume = 0.300000012
//         title = "Fieldstack", "two, three"
//     }
//
// Queries and setters take a path of group names and a key joined by "::"
// ("level::settings::deckX"); names match regardless of letter case and the
// first of equal siblings wins. A missing group, key or index reads as "" or
// 0 silently. Problems (missing file, unbalanced braces, a failed save) are
// reported as "Napotkano problem : " + message lines on standard output.
//
// loadRCMFile and newRCMFile hand the caller a std::unique_ptr<TRCMFile>
// (never null) that it keeps as long as it needs it. Groups and entries are
// owned by their parent; getGroup and getEntry return non-owning pointers or
// nullptr.
//
// Text is UTF-8 in memory; on disk any of the encodings of platform/files.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "datafile/rcm_entry.h"
#include "datafile/rcm_group.h"

// Groups nested deeper than this are reported once per read and skipped
// (their content is not built), so a hostile file cannot exhaust the stack.
inline constexpr int kMaxGroupDepth = 64;

class TRCMFile {
public:
    TRCMGroup _grupa;       // the root: "" when new, "MAINGROUP" when loaded
    std::string _path;      // as given to Load
    std::string _realPath;  // absolute form of _path
    std::string _txt;       // the whole text read

    // Reads and parses the file at path. Always 0; a missing file is reported
    // and leaves an empty tree.
    int Load(const std::string& path);
    // Parses text (already decoded) as a whole file, replacing the tree.
    // 1 when the tree was built, 0 when the braces did not balance.
    int parseText(std::string text);
    // decodeText (byte-order-mark rule) + parseText, without touching disk.
    int loadFromBytes(const std::string& bytes);

    // The text save writes: every group directly under the root in its written
    // form. Entries directly in the root are not part of it.
    std::string saveText() const;
    // Writes saveText to path atomically. 0 on success; on failure the old
    // file is kept, the problem is reported and -1 is returned.
    int save(const std::string& path);
    // As save; true on success, otherwise error (when given) says why.
    bool saveChecked(const std::string& path, std::string* error);

    // The value text at index, or "" when group, key or index is missing.
    std::string getString(const std::string& path, int index = 0) const;
    // The value decoded as a decimal number, or 0 when missing. With show not
    // 0 the group found is first written to standard output.
    float getFloat(const std::string& path, int index = 0, int show = 0) const;
    // Create missing groups and the entry, then store at index. setString
    // makes a new entry a string entry, setFloat a number entry holding the
    // "%#.9g" text; an existing entry keeps its type. Always 0.
    int setString(const std::string& path, const std::string& value, int index = 0);
    int setFloat(const std::string& path, float value, int index = 0);

    // The group named by all parts but the last, walked from the root (the
    // root itself for one part or none), or nullptr at the first missing one.
    TRCMGroup* getGroup(const std::vector<std::string>& parts);
    const TRCMGroup* getGroup(const std::vector<std::string>& parts) const;
    // The same, appending missing groups on the way. nullptr only when the
    // path is deeper than kMaxGroupDepth (reported).
    TRCMGroup* getGroupSet(const std::vector<std::string>& parts);

    // Parses text as the content of a group called name.
    TRCMGroup readAll(const std::string& text, const std::string& name);
    // Parses one entry line "key = value, value, ...".
    TRCMEntry readEntry(const std::string& line) const;
    // Appends a line feed when _txt ends with "}", then checkGroups.
    int checkTxt();
    // 1 when "{" and "}" outside double quotes are equally many in _txt;
    // otherwise reports the two counts and gives 0.
    int checkGroups();
    // The text trimmed of white space at both ends, every "*" turned into "0".
    std::string myTrim(const std::string& text) const;
    // Writes the whole tree to standard output. Always 0.
    int printAll() const;
    // Writes "Napotkano problem : " + message to standard output. Always 0.
    int errorMsg(const std::string& message) const;

private:
    struct ReadState;
    void readGroupBody(const std::string& text, size_t& i, TRCMGroup& group, int depth,
                       ReadState& state);
};

// A new empty file.
std::unique_ptr<TRCMFile> newRCMFile();
// A new file after Load of path (an empty tree when that failed).
std::unique_ptr<TRCMFile> loadRCMFile(const std::string& path);

// A path split at "::": an empty piece between two separators counts, an
// empty last piece is dropped.
std::vector<std::string> splitDataPath(const std::string& path);
