// A card layout: the table, deck, spots, reserve and settings of one level.
#pragma once

class TLevel {
public:
    virtual ~TLevel() = default;
};
