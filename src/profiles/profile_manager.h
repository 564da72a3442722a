// The list of profiles and the current one.
#pragma once

#include <memory>

#include "app/ekran.h"
#include "profiles/profile.h"

class TProfileManager : public TEkran {
public:
    std::shared_ptr<TProfile> profile;  // the current profile (null when none)

    // Writes every profile; the dispatcher calls it at each screen change.
    virtual void save() {}
    virtual void loadProfiles() {}
};
