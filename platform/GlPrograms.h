#pragma once

#include <string>

#include "platform/GlFunctions.h"

// How a quad's fragments are coloured. Textures hold premultiplied colour.
enum class TShade : unsigned char {
  Plain,     // the texel as it is: what the rasteriser draws fastest
  Tinted,    // the texel times a premultiplied vertex colour
  Straight,  // the texel's own colour (premultiplying undone) times a straight vertex colour
};

// Vertex attribute slots shared by every program.
enum : GLuint { kPositionSlot = 0, kTexCoordSlot = 1, kColorSlot = 2 };

// The three shader programs of the render device, sharing one vertex stage that maps pixel
// positions to the frame set by SetFrame.
class TGlPrograms {
 public:
  explicit TGlPrograms(const TGlFunctions& gl);
  ~TGlPrograms();
  TGlPrograms(const TGlPrograms&) = delete;
  TGlPrograms& operator=(const TGlPrograms&) = delete;

  // Empty when every program is ready, else what went wrong.
  const std::string& Failure() const { return Error; }

  void Use(TShade shade);
  // Positions run from (0, 0) at the top left to (width, height) at the bottom right.
  void SetFrame(int width, int height);

 private:
  GLuint Build(const char* fragmentSource);

  const TGlFunctions& Gl;
  std::string Error;
  GLuint Programs[3] = {};
  GLint FrameLocations[3] = {};
  int Current = -1;
};
