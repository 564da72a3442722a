#include "tournament/mecz.h"

#include "platform/system.h"

std::shared_ptr<TLevelData> TMecz::getLevel(int n) const {
    for (const auto& l : levels)
        if (l && l->id == n) return l;
    return nullptr;
}

LevelRef TMecz::loadActLevel(int n) const {
    std::shared_ptr<TLevelData> data = getLevel(n);
    if (!data) {
        platform::printLine("Napotkano problem : match " + std::to_string(id) + " has no layout " + std::to_string(n));
        return std::make_shared<TLevel>();
    }
    return loadLevelFile(data->url);
}
