#include "gl_api.h"

#define GL_API_DEFINE(type, name) type gl_api_##name;
GL_API_FUNCTIONS(GL_API_DEFINE)
#undef GL_API_DEFINE

void gl_api_load(void* (*get_proc)(const char*))
{
#define GL_API_FETCH(type, name) gl_api_##name = reinterpret_cast<type>(get_proc(#name));
    GL_API_FUNCTIONS(GL_API_FETCH)
#undef GL_API_FETCH
}
