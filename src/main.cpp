// Fieldstack: the executable is only the entry point; the game is the library.
#include "app/application.h"

int main() { return runGame(); }
