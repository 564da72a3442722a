// The content validator: checks a game folder against everything the program
// reads from it.
//
// It starts from the fixed paths of the program (app/content_paths.h) and
// follows every file they name: card strips and backgrounds of the catalogue
// files, match templates and their level files, flags and name lines of the
// teams, event cards, sounds, particle images, theme pieces, tutorial tips,
// and the fonts, pictures, themes and text lines of GUI files. Each file is
// looked at once for each thing asked of it: that it is there, that it
// decodes (pictures, sounds, fonts) or parses (data, GUI and bitmap-font
// files), and that it has the shape its reader relies on (sizes, cells,
// lines, keys, ids).
//
// Findings are required when the file's reader exists or the content is
// shipped already, pending otherwise (see ContentReadiness); files named by
// a file inherit its readiness.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>

#include "app/content_paths.h"
#include "datafile/rcm_file.h"
#include "validate_content/content_report.h"

// How a data file is read, beyond parsing: the checks of its reader.
enum class DataRole {
    Plain,
    Cards,
    SpecialCards,
    Backgrounds,
    MatchList,
    MatchTemplate,
    Level,
    Teams,
    EventDeck,
    AttackDeck,
    SoundCatalogue,
    Particles,
    FlashSpots,
    Tutorial,
    Theme,
};

// What is asked of one file.
struct Expectation {
    ContentShape shape;
    int cellsAcross = 0;  // pictures cut into equal cells (GUI buttons and animations)
    int cellsDown = 0;
    bool powerOfTwo = false;  // bitmap-font pages
    DataRole role = DataRole::Plain;

    // The same expectation always gives the same key.
    std::string key() const;
};

// A strip named by a data file: cells cut row by row from a picture of any
// size they fit in.
Expectation cellStrip(int cellWidth, int cellHeight, int cells);
Expectation expect(const ContentShape& shape, DataRole role = DataRole::Plain);

class ContentValidator {
public:
    explicit ContentValidator(std::string gameDir);

    // Checks every entry (required ones first, so files named from both
    // required and pending content are reported as required).
    void run(std::span<const ContentEntry> entries);
    const ContentReport& report() const { return report_; }

    // --- Used by the checks of data and GUI files ---

    // A file the game will read: it must be there and meet the expectation.
    // namedBy says who names it (shown when it is missing).
    void need(const std::string& path, const Expectation& e, bool required, const std::string& namedBy);
    // A path as written inside a file, resolved against folder; malformed
    // (reported against `from`) when it is absolute or leaves the game folder.
    void needWritten(const std::string& from, const std::string& folder, const std::string& written,
                     const Expectation& e, bool required, const std::string& namedBy);
    // The parsed data file, or nullptr when it is missing or its braces do
    // not balance. Parsed once.
    const TRCMFile* data(const std::string& path);
    // The number of lines of a text file as the game reads it (-1 when missing).
    int textLines(const std::string& path);
    // The size in pixels of a picture; false when it is missing or does not decode.
    bool imageSize(const std::string& path, int& width, int& height);

    void malformed(const std::string& path, bool required, const std::string& detail) {
        report_.malformed(path, required, detail);
    }
    void warning(const std::string& path, const std::string& detail) { report_.warning(path, detail); }

    std::string fullPath(const std::string& path) const;
    bool fileExists(const std::string& path) const;

private:
    void checkFile(const std::string& path, const Expectation& e, bool required);
    void checkImage(const std::string& path, const Expectation& e, bool required);
    void checkText(const std::string& path, const Expectation& e, bool required);
    void checkData(const std::string& path, const Expectation& e, bool required);
    void checkGuiFile(const std::string& path, const Expectation& e, bool required);
    void checkBitmapFont(const std::string& path, bool required);
    void checkTrueType(const std::string& path, bool required);
    void checkSound(const std::string& path, bool required);

    std::string gameDir_;
    ContentReport report_;
    std::map<std::string, bool> done_;  // path + expectation key -> checked as required
    std::map<std::string, std::unique_ptr<TRCMFile>> dataCache_;  // null entry: missing or unbalanced
    std::map<std::string, int> lineCache_;
    std::map<std::string, std::pair<int, int>> sizeCache_;  // (0, 0): missing or undecodable
};

// The role a registry data file is read in.
DataRole roleOfRegistryPath(const std::string& path);
