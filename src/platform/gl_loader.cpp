// Fetches the renderer's OpenGL entry points from the current context.
#include "platform/gl_loader.h"

#include <SDL2/SDL.h>

namespace gl {

#define FIELDSTACK_GL_DEFINE(ret, name, params) ret(APIENTRY* name) params = nullptr;
FIELDSTACK_GL_FUNCTIONS(FIELDSTACK_GL_DEFINE)
#undef FIELDSTACK_GL_DEFINE

bool load(const char*& missing) {
    missing = nullptr;
#define FIELDSTACK_GL_FETCH(ret, name, params)                                        \
    name = reinterpret_cast<ret(APIENTRY*) params>(SDL_GL_GetProcAddress("gl" #name)); \
    if (!name && !missing) missing = "gl" #name;
    FIELDSTACK_GL_FUNCTIONS(FIELDSTACK_GL_FETCH)
#undef FIELDSTACK_GL_FETCH
    return missing == nullptr;
}

}  // namespace gl
