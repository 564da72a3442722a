// The match templates: which card layouts each match of the tournament plays.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TMecz;

class TLevelManager {
public:
    virtual ~TLevelManager() = default;
    std::vector<std::shared_ptr<TMecz>> mecze;  // templates in the order of the match list

    // Reads the match list and every match file it names.
    virtual void setup();
    // The first template with this id, or null.
    virtual std::shared_ptr<TMecz> getMecz(int id) const;
};

// A match template read from a match file: its id and its layout references.
std::shared_ptr<TMecz> loadMatchFile(const std::string& path);
