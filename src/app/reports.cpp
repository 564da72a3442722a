#include "app/reports.h"

#include "platform/system.h"

void showError(const std::string& message) { platform::notify(" >> BLAD! << : " + message, false); }

platform::ImageRef loadImageChecked(const std::string& path, int flags) {
    platform::ImageRef img = platform::loadImage(path, flags);
    if (!img) {
        platform::notify("Couldn't load image file: " + path + " - program will probably crash!", false);
    }
    return img;
}
