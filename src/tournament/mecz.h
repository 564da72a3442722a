// One match of the tournament, and the match template tying it to its card
// layouts.
#pragma once

#include <memory>
#include <vector>

// One card layout of a match template.
struct TLevelData {};

class TMecz {
public:
    virtual ~TMecz() = default;
    std::vector<std::shared_ptr<TLevelData>> levels;  // the match's layouts, played in order
};
