#include "platform/GlPrograms.h"

namespace {

// The colour is declared before the texture coordinate in every stage: the software rasteriser's
// fast path for upright quads pairs the fragment stage's inputs with the vertex stage's outputs
// by their order, and mixes them up the other way round.
constexpr const char* kVertexSource = R"(
attribute vec2 Position;
attribute vec2 TexCoord;
attribute vec4 Color;
uniform vec4 Frame;
varying vec4 Tint;
varying vec2 Uv;
void main() {
  Tint = Color;
  Uv = TexCoord;
  gl_Position = vec4(Position * Frame.xy + Frame.zw, 0.0, 1.0);
}
)";

constexpr const char* kFragmentSources[3] = {
    R"(
uniform sampler2D Picture;
varying vec2 Uv;
void main() { gl_FragColor = texture2D(Picture, Uv); }
)",
    R"(
uniform sampler2D Picture;
varying vec4 Tint;
varying vec2 Uv;
void main() { gl_FragColor = texture2D(Picture, Uv) * Tint; }
)",
    R"(
uniform sampler2D Picture;
varying vec4 Tint;
varying vec2 Uv;
void main() {
  vec4 texel = texture2D(Picture, Uv);
  vec3 colour = texel.a > 0.0 ? texel.rgb / texel.a : vec3(0.0);
  gl_FragColor = vec4(colour, texel.a) * Tint;
}
)"};

}  // namespace

TGlPrograms::TGlPrograms(const TGlFunctions& gl) : Gl(gl) {
  for (int i = 0; i < 3 && Error.empty(); ++i) {
    Programs[i] = Build(kFragmentSources[i]);
    if (!Error.empty()) break;
    FrameLocations[i] = Gl.GetUniformLocation(Programs[i], "Frame");
    Gl.UseProgram(Programs[i]);
    Gl.Uniform1i(Gl.GetUniformLocation(Programs[i], "Picture"), 0);
  }
}

TGlPrograms::~TGlPrograms() {
  for (GLuint program : Programs)
    if (program) Gl.DeleteProgram(program);
}

GLuint TGlPrograms::Build(const char* fragmentSource) {
  const auto compile = [&](GLenum kind, const char* source) {
    const GLuint shader = Gl.CreateShader(kind);
    Gl.ShaderSource(shader, 1, &source, nullptr);
    Gl.CompileShader(shader);
    GLint compiled = GL_FALSE;
    Gl.GetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (!compiled) {
      char log[512] = {};
      Gl.GetShaderInfoLog(shader, sizeof log, nullptr, log);
      Error = std::string("a shader does not compile: ") + log;
    }
    return shader;
  };
  const GLuint vertex = compile(GL_VERTEX_SHADER, kVertexSource);
  const GLuint fragment = compile(GL_FRAGMENT_SHADER, fragmentSource);
  const GLuint program = Gl.CreateProgram();
  Gl.AttachShader(program, vertex);
  Gl.AttachShader(program, fragment);
  Gl.BindAttribLocation(program, kPositionSlot, "Position");
  Gl.BindAttribLocation(program, kTexCoordSlot, "TexCoord");
  Gl.BindAttribLocation(program, kColorSlot, "Color");
  Gl.LinkProgram(program);
  Gl.DeleteShader(vertex);
  Gl.DeleteShader(fragment);
  GLint linked = GL_FALSE;
  Gl.GetProgramiv(program, GL_LINK_STATUS, &linked);
  if (!linked && Error.empty()) {
    char log[512] = {};
    Gl.GetProgramInfoLog(program, sizeof log, nullptr, log);
    Error = std::string("the shaders do not link: ") + log;
  }
  return program;
}

void TGlPrograms::Use(TShade shade) {
  const int index = static_cast<int>(shade);
  if (index == Current) return;
  Gl.UseProgram(Programs[index]);
  Current = index;
}

void TGlPrograms::SetFrame(int width, int height) {
  const float sx = width > 0 ? 2.0f / float(width) : 0, sy = height > 0 ? -2.0f / float(height) : 0;
  for (int i = 0; i < 3; ++i) {
    Gl.UseProgram(Programs[i]);
    Gl.Uniform4f(FrameLocations[i], sx, sy, -1.0f, 1.0f);
  }
  Current = -1;
}
