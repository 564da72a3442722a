#include "gui/theme.h"

#include "app/reports.h"
#include "app/strings.h"
#include "datafile/rcm_file.h"
#include "gui/gui_file.h"
#include "platform/files.h"

ThemeList globalThemes;
ThemeRef currentTheme;

namespace {

// The picture a key names, or null (silently) when the key is missing or the
// picture does not load.
platform::ImageRef loadPiece(const TRCMFile& file, const std::string& key, const std::string& folder) {
    std::string value = file.getString(key);
    if (value.empty()) return nullptr;
    return platform::loadImage(guiPath(value, folder));
}

TRGB readColour(const TRCMFile& file, const std::string& key) {
    return newRGB(static_cast<int>(file.getFloat(key, 0)), static_cast<int>(file.getFloat(key, 1)),
                  static_cast<int>(file.getFloat(key, 2)));
}

}  // namespace

void TTheme::loadTheme(const std::string& path) {
    remPath = platform::absolutePath(platform::currentFolder());
    std::unique_ptr<TRCMFile> file = loadRCMFile(path);
    const std::string folder = platform::folderPart(platform::absolutePath(path));

    static const char* const kWindowKeys[9] = {"leftUp", "Up",       "rightUp", "right", "rightdown",
                                               "down",   "leftdown", "left",    "srodek"};
    for (int i = 0; i < 9; ++i) {
        oknoImg[i] = loadPiece(*file, std::string("TEMAT::OKNO::") + kWindowKeys[i], folder);
    }
    if (!oknoImg[TOP_RIGHT]) showError("NO img: " + file->getString("TEMAT::OKNO::rightUp"));
    // The right-hand and bottom pieces are placed by their outer corner, so
    // a window draws them at its own right and bottom edges.
    auto handleAt = [](const platform::ImageRef& img, bool right, bool bottom) {
        platform::setImageHandle(img, right ? static_cast<float>(platform::imageWidth(img)) : 0.0f,
                                 bottom ? static_cast<float>(platform::imageHeight(img)) : 0.0f);
    };
    handleAt(oknoImg[TOP_RIGHT], true, false);
    handleAt(oknoImg[RIGHT], true, false);
    handleAt(oknoImg[BOTTOM_RIGHT], true, true);
    handleAt(oknoImg[BOTTOM], false, true);
    handleAt(oknoImg[BOTTOM_LEFT], false, true);

    bar[BAR_LEFT] = loadPiece(*file, "TEMAT::BELKA::lewo", folder);
    bar[BAR_MIDDLE] = loadPiece(*file, "TEMAT::BELKA::srodek", folder);
    bar[BAR_RIGHT] = loadPiece(*file, "TEMAT::BELKA::prawo", folder);
    if (bar[BAR_MIDDLE]) barHeight = platform::imageHeight(bar[BAR_MIDDLE]);
    textRGB = readColour(*file, "TEMAT::BELKA::textRGB");
    outLineRGB = readColour(*file, "TEMAT::BELKA::outLineRGB");
    backRGB = readColour(*file, "TEMAT::BELKA::backRGB");

    static const char* const kBoxKeys[9] = {"LU", "U", "RU", "R", "RD", "D", "LD", "L", "Middle"};
    for (int i = 0; i < 9; ++i) {
        rect[i] = loadPiece(*file, std::string("TEMAT::BELKA::") + kBoxKeys[i], folder);
    }
}

ThemeRef createTheme(const std::string& id, const std::string& url, ThemeList* containerThemes) {
    ThemeRef theme = std::make_shared<TTheme>();
    theme->loadTheme(url);
    theme->id = upperCase(id);
    if (containerThemes) containerThemes->push_back(theme);
    globalThemes.push_back(theme);
    currentTheme = theme;
    return theme;
}

ThemeRef getThemeByID(const std::string& id, const ThemeList* containerThemes) {
    const std::string wanted = upperCase(id);
    auto find = [&wanted](const ThemeList& list) -> ThemeRef {
        for (const ThemeRef& t : list) {
            if (t && upperCase(t->id) == wanted) return t;
        }
        return nullptr;
    };
    if (containerThemes) {
        if (ThemeRef t = find(*containerThemes)) return t;
    }
    return find(globalThemes);
}
