// The OpenGL entry points the stand-in calls. Elsewhere libepoxy resolves
// them; on Windows opengl32.dll exports only OpenGL 1.1, so the newer ones
// are fetched from the context once it is current (gl_api_load).
#pragma once

#ifndef _WIN32
#include <epoxy/gl.h>
static inline void gl_api_load(void* (*)(const char*)) {}
#else
#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#define GL_API_FUNCTIONS(X)                                                                            \
    X(PFNGLACTIVETEXTUREPROC, glActiveTexture)                                                         \
    X(PFNGLATTACHSHADERPROC, glAttachShader)                                                           \
    X(PFNGLBINDBUFFERPROC, glBindBuffer)                                                               \
    X(PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer)                                                     \
    X(PFNGLBINDSAMPLERPROC, glBindSampler)                                                             \
    X(PFNGLBINDVERTEXARRAYPROC, glBindVertexArray)                                                     \
    X(PFNGLBLENDEQUATIONSEPARATEPROC, glBlendEquationSeparate)                                         \
    X(PFNGLBLENDFUNCSEPARATEPROC, glBlendFuncSeparate)                                                 \
    X(PFNGLBUFFERDATAPROC, glBufferData)                                                               \
    X(PFNGLBUFFERSUBDATAPROC, glBufferSubData)                                                         \
    X(PFNGLCOMPILESHADERPROC, glCompileShader)                                                         \
    X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                                                         \
    X(PFNGLCREATESHADERPROC, glCreateShader)                                                           \
    X(PFNGLDELETEBUFFERSPROC, glDeleteBuffers)                                                         \
    X(PFNGLDELETEPROGRAMPROC, glDeleteProgram)                                                         \
    X(PFNGLDELETESAMPLERSPROC, glDeleteSamplers)                                                       \
    X(PFNGLDELETESHADERPROC, glDeleteShader)                                                           \
    X(PFNGLDELETEVERTEXARRAYSPROC, glDeleteVertexArrays)                                               \
    X(PFNGLDISABLEVERTEXATTRIBARRAYPROC, glDisableVertexAttribArray)                                   \
    X(PFNGLDRAWARRAYSINSTANCEDPROC, glDrawArraysInstanced)                                             \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray)                                     \
    X(PFNGLGENBUFFERSPROC, glGenBuffers)                                                               \
    X(PFNGLGENSAMPLERSPROC, glGenSamplers)                                                             \
    X(PFNGLGENVERTEXARRAYSPROC, glGenVertexArrays)                                                     \
    X(PFNGLGETPROGRAMINFOLOGPROC, glGetProgramInfoLog)                                                 \
    X(PFNGLGETPROGRAMIVPROC, glGetProgramiv)                                                           \
    X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)                                                   \
    X(PFNGLGETSHADERIVPROC, glGetShaderiv)                                                             \
    X(PFNGLLINKPROGRAMPROC, glLinkProgram)                                                             \
    X(PFNGLSAMPLERPARAMETERIPROC, glSamplerParameteri)                                                 \
    X(PFNGLSHADERSOURCEPROC, glShaderSource)                                                           \
    X(PFNGLUSEPROGRAMPROC, glUseProgram)                                                               \
    X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)

#define GL_API_DECLARE(type, name) extern type gl_api_##name;
GL_API_FUNCTIONS(GL_API_DECLARE)
#undef GL_API_DECLARE

#define glActiveTexture gl_api_glActiveTexture
#define glAttachShader gl_api_glAttachShader
#define glBindBuffer gl_api_glBindBuffer
#define glBindFramebuffer gl_api_glBindFramebuffer
#define glBindSampler gl_api_glBindSampler
#define glBindVertexArray gl_api_glBindVertexArray
#define glBlendEquationSeparate gl_api_glBlendEquationSeparate
#define glBlendFuncSeparate gl_api_glBlendFuncSeparate
#define glBufferData gl_api_glBufferData
#define glBufferSubData gl_api_glBufferSubData
#define glCompileShader gl_api_glCompileShader
#define glCreateProgram gl_api_glCreateProgram
#define glCreateShader gl_api_glCreateShader
#define glDeleteBuffers gl_api_glDeleteBuffers
#define glDeleteProgram gl_api_glDeleteProgram
#define glDeleteSamplers gl_api_glDeleteSamplers
#define glDeleteShader gl_api_glDeleteShader
#define glDeleteVertexArrays gl_api_glDeleteVertexArrays
#define glDisableVertexAttribArray gl_api_glDisableVertexAttribArray
#define glDrawArraysInstanced gl_api_glDrawArraysInstanced
#define glEnableVertexAttribArray gl_api_glEnableVertexAttribArray
#define glGenBuffers gl_api_glGenBuffers
#define glGenSamplers gl_api_glGenSamplers
#define glGenVertexArrays gl_api_glGenVertexArrays
#define glGetProgramInfoLog gl_api_glGetProgramInfoLog
#define glGetProgramiv gl_api_glGetProgramiv
#define glGetShaderInfoLog gl_api_glGetShaderInfoLog
#define glGetShaderiv gl_api_glGetShaderiv
#define glLinkProgram gl_api_glLinkProgram
#define glSamplerParameteri gl_api_glSamplerParameteri
#define glShaderSource gl_api_glShaderSource
#define glUseProgram gl_api_glUseProgram
#define glVertexAttribPointer gl_api_glVertexAttribPointer

// Fetches every entry point above; call with the context current.
void gl_api_load(void* (*get_proc)(const char*));
#endif
