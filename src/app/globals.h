// Application-wide state shared by the whole game: the dispatcher's current
// screen, the frame timer and its delta, the per-user folder and the few
// resources every screen may use (pause text and font, the one-point image).
#pragma once

#include <string>

#include "app/delta_time.h"
#include "platform/font.h"
#include "platform/image.h"

class TEkran;

extern std::string currentScreenId;  // id of the screen the dispatcher runs next
extern std::string gameType;         // kind of game in progress ("QUEST")
extern TDeltaTime* frameTimer;       // the one frame timer, target 60 fps
extern float frameDelta;             // time of the last tick in 60 Hz frames
extern std::string myDocsFolder;     // per-user folder, "/" separators
extern std::string userFolderName;   // name of the per-user folder
extern std::string windowTitle;
extern std::string pauseText;        // shown on the pause picture
extern platform::FontRef pauseFont;
extern platform::ImageRef pointImage;  // one-point image for the card hover test
extern TEkran* lastScreen;             // the screen that last sent its picture
