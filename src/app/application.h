// Start-up and shut-down of the game.
#pragma once

// Fits a width x height picture into the window (scale and centring; the
// borders stay black).
void openVirtualScreen(int width, int height, int mode);

// Folders, settings, window, random seed, pause resources, promotional pages
// and the five loading steps.
void initApplication();
// The dispatcher from the main menu on.
void runApplication();
// Saves profiles and settings on the normal way out.
void shutdownApplication();
// Run at process exit, however it exits: saves the profiles again.
void onExitSaveProfiles();

// The whole program: construction, start-up, dispatch, shut-down. Returns the
// process status.
int runGame();
