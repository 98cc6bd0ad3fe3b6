#include "platform/GlFunctions.h"

#include <SDL.h>

bool TGlFunctions::Load(const char*& missing) {
#define MORVEL_GL_LOAD(type, name, symbol)                      \
  name = reinterpret_cast<type>(SDL_GL_GetProcAddress(symbol)); \
  if (!name) {                                                  \
    missing = symbol;                                           \
    return false;                                               \
  }
  MORVEL_GL_FUNCTIONS(MORVEL_GL_LOAD)
#undef MORVEL_GL_LOAD
  return true;
}
