#include "cardgame/level_manager.h"

#include "app/content_paths.h"
#include "app/numbers.h"
#include "datafile/rcm_file.h"
#include "tournament/mecz.h"

namespace {

constexpr int kMostMatches = 100;
constexpr int kMostLayoutsPerMatch = 100;

}  // namespace

std::shared_ptr<TMecz> loadMatchFile(const std::string& path) {
    std::unique_ptr<TRCMFile> f = loadRCMFile(path);
    auto mecz = std::make_shared<TMecz>();
    mecz->id = floatToInt(f->getFloat("mecz::id"));
    const int count = clampCount(floatToInt(f->getFloat("mecz::i")), kMostLayoutsPerMatch, path + " mecz::i");
    for (int l = 1; l <= count; ++l) {
        const std::string p = "mecz::level" + std::to_string(l) + "::";
        auto data = std::make_shared<TLevelData>();
        data->id = floatToInt(f->getFloat(p + "id"));
        data->url = f->getString(p + "url");
        data->dogrywka = floatToInt(f->getFloat(p + "dogrywka"));
        mecz->levels.push_back(data);
    }
    return mecz;
}

void TLevelManager::setup() {
    std::unique_ptr<TRCMFile> f = loadRCMFile(contentpath::kMatchList);
    mecze.clear();
    const int count = clampCount(floatToInt(f->getFloat("mecze::i")), kMostMatches, "mecze::i");
    for (int m = 1; m <= count; ++m) mecze.push_back(loadMatchFile(f->getString("mecze::m" + std::to_string(m))));
}

std::shared_ptr<TMecz> TLevelManager::getMecz(int id) const {
    for (const auto& m : mecze)
        if (m && m->id == id) return m;
    return nullptr;
}
