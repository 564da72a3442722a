#include "app/globals.h"

std::string currentScreenId;
std::string gameType = "QUEST";
TDeltaTime* frameTimer = nullptr;
float frameDelta = 0.0f;
std::string myDocsFolder;
std::string userFolderName = "Fieldstack";
std::string windowTitle = "Fieldstack";
std::string pauseText;
platform::FontRef pauseFont;
platform::ImageRef pointImage;
TEkran* lastScreen = nullptr;
