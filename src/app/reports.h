// Reports of content problems: a notification for the player (and a line on
// standard error), after which the caller goes on with whatever it has.
#pragma once

#include <string>

#include "platform/image.h"

// Shows " >> BLAD! << : " + message.
void showError(const std::string& message);

// Loads an image; on failure shows "Couldn't load image file: " + path +
// " - program will probably crash!" and returns null. Callers must cope with
// the null image (it draws nothing and measures 0).
platform::ImageRef loadImageChecked(const std::string& path, int flags = platform::IMAGE_DEFAULT);
