// OpenGL entry points of the renderer, fetched from the driver at run time
// through SDL (no loader library). Only the functions the renderer uses are
// listed; each is a pointer in namespace gl, called as gl::Clear(...).
#pragma once

#include <GL/glcorearb.h>

// X(return type, name, parameter list)
#define FIELDSTACK_GL_FUNCTIONS(X)                                                              \
    X(const GLubyte*, GetString, (GLenum name))                                                 \
    X(GLenum, GetError, (void))                                                                 \
    X(void, GetIntegerv, (GLenum pname, GLint* data))                                           \
    X(void, Viewport, (GLint x, GLint y, GLsizei w, GLsizei h))                                 \
    X(void, Scissor, (GLint x, GLint y, GLsizei w, GLsizei h))                                  \
    X(void, ClearColor, (GLfloat r, GLfloat g, GLfloat b, GLfloat a))                           \
    X(void, Clear, (GLbitfield mask))                                                           \
    X(void, Enable, (GLenum cap))                                                               \
    X(void, Disable, (GLenum cap))                                                              \
    X(void, BlendFunc, (GLenum sfactor, GLenum dfactor))                                        \
    X(void, Finish, (void))                                                                     \
    X(void, PixelStorei, (GLenum pname, GLint param))                                           \
    X(void, ReadPixels, (GLint x, GLint y, GLsizei w, GLsizei h, GLenum format, GLenum type,   \
                         void* pixels))                                                         \
    X(void, GenTextures, (GLsizei n, GLuint* textures))                                         \
    X(void, DeleteTextures, (GLsizei n, const GLuint* textures))                                \
    X(void, BindTexture, (GLenum target, GLuint texture))                                       \
    X(void, ActiveTexture, (GLenum texture))                                                    \
    X(void, TexImage2D, (GLenum target, GLint level, GLint internalformat, GLsizei w,          \
                         GLsizei h, GLint border, GLenum format, GLenum type,                  \
                         const void* pixels))                                                   \
    X(void, TexSubImage2D, (GLenum target, GLint level, GLint x, GLint y, GLsizei w,           \
                            GLsizei h, GLenum format, GLenum type, const void* pixels))        \
    X(void, TexParameteri, (GLenum target, GLenum pname, GLint param))                          \
    X(void, GenerateMipmap, (GLenum target))                                                    \
    X(void, GenSamplers, (GLsizei n, GLuint* samplers))                                         \
    X(void, DeleteSamplers, (GLsizei n, const GLuint* samplers))                                \
    X(void, BindSampler, (GLuint unit, GLuint sampler))                                         \
    X(void, SamplerParameteri, (GLuint sampler, GLenum pname, GLint param))                     \
    X(void, GenFramebuffers, (GLsizei n, GLuint* ids))                                          \
    X(void, DeleteFramebuffers, (GLsizei n, const GLuint* ids))                                 \
    X(void, BindFramebuffer, (GLenum target, GLuint framebuffer))                               \
    X(void, FramebufferTexture2D, (GLenum target, GLenum attachment, GLenum textarget,         \
                                   GLuint texture, GLint level))                                \
    X(GLenum, CheckFramebufferStatus, (GLenum target))                                          \
    X(void, BlitFramebuffer, (GLint sx0, GLint sy0, GLint sx1, GLint sy1, GLint dx0,          \
                              GLint dy0, GLint dx1, GLint dy1, GLbitfield mask,               \
                              GLenum filter))                                                   \
    X(void, GenBuffers, (GLsizei n, GLuint* buffers))                                           \
    X(void, DeleteBuffers, (GLsizei n, const GLuint* buffers))                                  \
    X(void, BindBuffer, (GLenum target, GLuint buffer))                                         \
    X(void, BufferData, (GLenum target, GLsizeiptr size, const void* data, GLenum usage))       \
    X(void, BufferSubData, (GLenum target, GLintptr offset, GLsizeiptr size, const void* data)) \
    X(void, GenVertexArrays, (GLsizei n, GLuint* arrays))                                       \
    X(void, DeleteVertexArrays, (GLsizei n, const GLuint* arrays))                              \
    X(void, BindVertexArray, (GLuint array))                                                    \
    X(void, EnableVertexAttribArray, (GLuint index))                                            \
    X(void, VertexAttribPointer, (GLuint index, GLint size, GLenum type, GLboolean normalized, \
                                  GLsizei stride, const void* pointer))                         \
    X(GLuint, CreateShader, (GLenum type))                                                      \
    X(void, DeleteShader, (GLuint shader))                                                      \
    X(void, ShaderSource, (GLuint shader, GLsizei count, const GLchar* const* string,          \
                           const GLint* length))                                                \
    X(void, CompileShader, (GLuint shader))                                                     \
    X(void, GetShaderiv, (GLuint shader, GLenum pname, GLint* params))                          \
    X(void, GetShaderInfoLog, (GLuint shader, GLsizei bufSize, GLsizei* length,               \
                               GLchar* infoLog))                                                \
    X(GLuint, CreateProgram, (void))                                                            \
    X(void, DeleteProgram, (GLuint program))                                                    \
    X(void, AttachShader, (GLuint program, GLuint shader))                                      \
    X(void, BindAttribLocation, (GLuint program, GLuint index, const GLchar* name))             \
    X(void, LinkProgram, (GLuint program))                                                      \
    X(void, GetProgramiv, (GLuint program, GLenum pname, GLint* params))                        \
    X(void, GetProgramInfoLog, (GLuint program, GLsizei bufSize, GLsizei* length,             \
                                GLchar* infoLog))                                               \
    X(void, UseProgram, (GLuint program))                                                       \
    X(GLint, GetUniformLocation, (GLuint program, const GLchar* name))                          \
    X(void, Uniform1i, (GLint location, GLint v0))                                              \
    X(void, Uniform4f, (GLint location, GLfloat v0, GLfloat v1, GLfloat v2, GLfloat v3))        \
    X(void, DrawElements, (GLenum mode, GLsizei count, GLenum type, const void* indices))

namespace gl {

#define FIELDSTACK_GL_DECLARE(ret, name, params) extern ret(APIENTRY* name) params;
FIELDSTACK_GL_FUNCTIONS(FIELDSTACK_GL_DECLARE)
#undef FIELDSTACK_GL_DECLARE

// Fetches every entry point from the current context. False (naming the
// first missing function in `missing`) when the driver lacks one.
bool load(const char*& missing);

}  // namespace gl
