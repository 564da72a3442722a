#include "app/paths.h"

#include <algorithm>

#include "app/globals.h"
#include "app/reports.h"
#include "platform/files.h"

std::string profilesFolder;
std::string profilesListFile;

std::string TLinuxVolume::GetUserHomeDir() {
    std::string home = platform::environment("HOME");
    if (!home.empty()) return home;
    return platform::userDatabaseHome();
}

namespace {

bool ensureFolder(const std::string& path) {
    if (platform::pathKind(path) != platform::PathKind::NONE) {
        return platform::pathKind(path) == platform::PathKind::FOLDER;
    }
    if (platform::createFolder(path)) return true;
    showError("Couldn't create the folder for saved games and settings: " + path);
    return false;
}

}  // namespace

bool setupUserFolders() {
    TLinuxVolume volume;
    std::string home = volume.GetUserAppDir();
    if (home.empty()) {
        // Without any home folder, keep the player's files beside the game
        // rather than at the root of the file system.
        home = platform::currentFolder();
    }
    while (home.size() > 1 && home.back() == '/') home.pop_back();
    myDocsFolder = home + "/." + userFolderName;
    bool ok = ensureFolder(myDocsFolder);
    ok = ensureFolder(myDocsFolder + "/Data") && ok;
    ok = ensureFolder(myDocsFolder + "/Profiles") && ok;
    std::replace(myDocsFolder.begin(), myDocsFolder.end(), '\\', '/');
    return ok;
}

void Paths::getPaths() {
    profilesFolder = myDocsFolder + "/Profiles/";
    profilesListFile = profilesFolder + "profiles.dat";
}
