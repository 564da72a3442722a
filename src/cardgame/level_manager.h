// The match templates and the levels they name.
#pragma once

class TLevelManager {
public:
    virtual ~TLevelManager() = default;
    virtual void setup() {}
};
