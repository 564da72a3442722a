// Files and folders as the game sees them.
//
// Text inside the game is UTF-8 in std::string. Reading decodes a file by its
// byte-order mark (FE FF: UTF-16 big-endian, FF FE: UTF-16 little-endian,
// EF BB BF: UTF-8, anything else: one byte per character, Latin-1); malformed
// UTF-8, unpaired UTF-16 surrogates become U+FFFD and a lone last byte of
// UTF-16 is dropped. Writing encodes by the game's rule: one byte per
// character when every character is at most 255, otherwise FF FE followed by
// UTF-16 little-endian. A one-byte text that would begin with the bytes of a
// mark (such as "\xFE\xFF") is written in the marked form instead, so that
// every text reads back as it was written.
//
// Every write is atomic: the text goes to a temporary file in the same folder,
// is flushed and synced, and is renamed over the target. A failed write leaves
// the old file untouched and says why.
#pragma once

#include <string>

namespace platform {

enum class PathKind { NONE = 0, FILE = 1, FOLDER = 2 };

// NONE for an empty path or nothing there; FOLDER for a folder; FILE for
// anything else that exists.
PathKind pathKind(const std::string& path);
// Creates one folder (parents are not created). False on failure.
bool createFolder(const std::string& path);
std::string currentFolder();
bool changeFolder(const std::string& path);
// Absolute form of a path (relative paths are taken from the working folder);
// "." and ".." pieces are folded; nothing needs to exist.
std::string absolutePath(const std::string& path);
// The folder part of a path, without the trailing "/" ("" when there is none;
// "/" for a file directly in the root folder).
std::string folderPart(const std::string& path);

// The value of an environment variable, or "" when unset.
std::string environment(const std::string& name);
// The home folder recorded for the current user id, or "".
std::string userDatabaseHome();

// Reads a whole file as text by the byte-order-mark rule. A missing file, a
// folder or anything else that is not a regular file gives false and leaves
// text empty.
bool readTextFile(const std::string& path, std::string& text);
// Reads a whole file as raw bytes (for fonts, images and sounds); the same
// rule for what is no file.
bool readBinaryFile(const std::string& path, std::string& bytes);

// Decodes file bytes to UTF-8 by the byte-order-mark rule (the pure part of
// readTextFile, kept apart so it can be tested and fuzzed).
std::string decodeText(const std::string& bytes);
// Encodes UTF-8 text to file bytes by the game's writing rule.
std::string encodeText(const std::string& utf8);

struct WriteResult {
    bool ok = false;
    std::string error;  // why it failed; empty on success
};

// Writes bytes atomically to path: the temporary file path + ".tmp-" + process
// id in the same folder, every write checked, fsync, rename over path, fsync
// of the folder. On failure the temporary file is removed, the old file at
// path is kept and error says what failed (a target that is a folder fails).
WriteResult writeFileAtomic(const std::string& path, const std::string& bytes);
// encodeText + writeFileAtomic.
WriteResult writeTextFile(const std::string& path, const std::string& utf8);

}  // namespace platform
