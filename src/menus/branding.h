// The partner branding page shown at start-up. Fieldstack has no partner, so
// the page shows nothing.
#pragma once

class TBranding {
public:
    virtual ~TBranding() = default;
    virtual void setup() {}
    virtual void mainLoop() {}
};
