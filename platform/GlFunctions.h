#pragma once

#include <SDL_opengl.h>

#include <type_traits>

// The OpenGL entry points the render device uses, looked up in the current context. Every name is
// the function's own without its "gl" prefix.
#define MORVEL_GL_FUNCTIONS(X)                                                                               \
  X(const GLubyte*(APIENTRY*)(GLenum), GetString, "glGetString")                                             \
  X(GLenum(APIENTRY*)(), GetError, "glGetError")                                                             \
  X(void(APIENTRY*)(GLenum), Enable, "glEnable")                                                             \
  X(void(APIENTRY*)(GLenum), Disable, "glDisable")                                                           \
  X(void(APIENTRY*)(GLint, GLint, GLsizei, GLsizei), Viewport, "glViewport")                                 \
  X(void(APIENTRY*)(GLfloat, GLfloat, GLfloat, GLfloat), ClearColor, "glClearColor")                         \
  X(void(APIENTRY*)(GLbitfield), Clear, "glClear")                                                           \
  X(void(APIENTRY*)(), Finish, "glFinish")                                                                   \
  X(void(APIENTRY*)(GLenum, GLint), PixelStorei, "glPixelStorei")                                            \
  X(void(APIENTRY*)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*), ReadPixels, "glReadPixels")      \
  X(void(APIENTRY*)(GLsizei, GLuint*), GenTextures, "glGenTextures")                                         \
  X(void(APIENTRY*)(GLsizei, const GLuint*), DeleteTextures, "glDeleteTextures")                             \
  X(void(APIENTRY*)(GLenum, GLuint), BindTexture, "glBindTexture")                                           \
  X(void(APIENTRY*)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*), TexImage2D, \
    "glTexImage2D")                                                                                          \
  X(void(APIENTRY*)(GLenum, GLenum, GLint), TexParameteri, "glTexParameteri")                                \
  X(void(APIENTRY*)(GLenum, GLint, GLsizei), DrawArrays, "glDrawArrays")                                     \
  X(PFNGLBLENDFUNCSEPARATEPROC, BlendFuncSeparate, "glBlendFuncSeparate")                                    \
  X(PFNGLCREATESHADERPROC, CreateShader, "glCreateShader")                                                   \
  X(PFNGLSHADERSOURCEPROC, ShaderSource, "glShaderSource")                                                   \
  X(PFNGLCOMPILESHADERPROC, CompileShader, "glCompileShader")                                                \
  X(PFNGLGETSHADERIVPROC, GetShaderiv, "glGetShaderiv")                                                      \
  X(PFNGLGETSHADERINFOLOGPROC, GetShaderInfoLog, "glGetShaderInfoLog")                                       \
  X(PFNGLDELETESHADERPROC, DeleteShader, "glDeleteShader")                                                   \
  X(PFNGLCREATEPROGRAMPROC, CreateProgram, "glCreateProgram")                                                \
  X(PFNGLATTACHSHADERPROC, AttachShader, "glAttachShader")                                                   \
  X(PFNGLBINDATTRIBLOCATIONPROC, BindAttribLocation, "glBindAttribLocation")                                 \
  X(PFNGLLINKPROGRAMPROC, LinkProgram, "glLinkProgram")                                                      \
  X(PFNGLGETPROGRAMIVPROC, GetProgramiv, "glGetProgramiv")                                                   \
  X(PFNGLGETPROGRAMINFOLOGPROC, GetProgramInfoLog, "glGetProgramInfoLog")                                    \
  X(PFNGLDELETEPROGRAMPROC, DeleteProgram, "glDeleteProgram")                                                \
  X(PFNGLUSEPROGRAMPROC, UseProgram, "glUseProgram")                                                         \
  X(PFNGLGETUNIFORMLOCATIONPROC, GetUniformLocation, "glGetUniformLocation")                                 \
  X(PFNGLUNIFORM1IPROC, Uniform1i, "glUniform1i")                                                            \
  X(PFNGLUNIFORM4FPROC, Uniform4f, "glUniform4f")                                                            \
  X(PFNGLENABLEVERTEXATTRIBARRAYPROC, EnableVertexAttribArray, "glEnableVertexAttribArray")                  \
  X(PFNGLVERTEXATTRIBPOINTERPROC, VertexAttribPointer, "glVertexAttribPointer")                              \
  X(PFNGLGENFRAMEBUFFERSPROC, GenFramebuffers, "glGenFramebuffers")                                          \
  X(PFNGLDELETEFRAMEBUFFERSPROC, DeleteFramebuffers, "glDeleteFramebuffers")                                 \
  X(PFNGLBINDFRAMEBUFFERPROC, BindFramebuffer, "glBindFramebuffer")                                          \
  X(PFNGLFRAMEBUFFERTEXTURE2DPROC, FramebufferTexture2D, "glFramebufferTexture2D")                           \
  X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, CheckFramebufferStatus, "glCheckFramebufferStatus")

struct TGlFunctions {
#define MORVEL_GL_MEMBER(type, name, symbol) std::type_identity_t<type> name = nullptr;
  MORVEL_GL_FUNCTIONS(MORVEL_GL_MEMBER)
#undef MORVEL_GL_MEMBER

  // Looks every entry point up; false, with the first one missing in missing, when any is absent.
  bool Load(const char*& missing);
};
