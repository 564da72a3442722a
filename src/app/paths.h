// The per-user folder and the paths derived from it. Shipped content is read
// relative to the working folder; everything the game writes lives under
// myDocsFolder.
#pragma once

#include <string>

extern std::string profilesFolder;    // myDocsFolder + "/Profiles/"
extern std::string profilesListFile;  // profilesFolder + "profiles.dat"

// Finds the user's home folder.
class TLinuxVolume {
public:
    virtual ~TLinuxVolume() = default;
    // HOME when set and not empty, else the user database's home folder,
    // else "".
    virtual std::string GetUserHomeDir();
    virtual std::string GetUserAppDir() { return GetUserHomeDir(); }
};

// Builds myDocsFolder from the home folder and creates it with its "Data" and
// "Profiles" folders; folders that cannot be created are reported. False when
// any of them is missing afterwards.
bool setupUserFolders();

class Paths {
public:
    static void getPaths();
};
