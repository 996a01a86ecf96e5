// OpenGL 4.3 core back end of the sokol_gfx stand-in (through libepoxy).
#include "gl_api.h"

#include <stdio.h>

#include <vector>

#include "gfx_backend.h"

namespace {

struct gl_image {
    GLuint tex = 0;
    GLenum format = GL_RGBA;
    int width = 0, height = 0;
};

struct gl_pipeline {
    GLuint program = 0;
    sg_pipeline_desc desc{};
};

struct gl_state {
    std::vector<GLuint> buffers, samplers, programs;
    std::vector<gl_image> images;
    std::vector<gl_pipeline> pipelines;
    GLuint vao = 0;
    int cur_pipeline = -1;
    int fb_width = 1, fb_height = 1;
};

gl_state gl;

template <typename T>
T& at(std::vector<T>& v, int slot) {
    if ((int)v.size() <= slot) v.resize(slot + 1);
    return v[slot];
}

GLenum blend_factor(sg_blend_factor f) {
    switch (f) {
        case SG_BLENDFACTOR_ZERO: return GL_ZERO;
        case SG_BLENDFACTOR_ONE: return GL_ONE;
        case SG_BLENDFACTOR_SRC_COLOR: return GL_SRC_COLOR;
        case SG_BLENDFACTOR_ONE_MINUS_SRC_COLOR: return GL_ONE_MINUS_SRC_COLOR;
        case SG_BLENDFACTOR_SRC_ALPHA: return GL_SRC_ALPHA;
        case SG_BLENDFACTOR_ONE_MINUS_SRC_ALPHA: return GL_ONE_MINUS_SRC_ALPHA;
        case SG_BLENDFACTOR_DST_COLOR: return GL_DST_COLOR;
        case SG_BLENDFACTOR_ONE_MINUS_DST_COLOR: return GL_ONE_MINUS_DST_COLOR;
        case SG_BLENDFACTOR_DST_ALPHA: return GL_DST_ALPHA;
        case SG_BLENDFACTOR_ONE_MINUS_DST_ALPHA: return GL_ONE_MINUS_DST_ALPHA;
        case SG_BLENDFACTOR_SRC_ALPHA_SATURATED: return GL_SRC_ALPHA_SATURATE;
        case SG_BLENDFACTOR_BLEND_COLOR: return GL_CONSTANT_COLOR;
        case SG_BLENDFACTOR_ONE_MINUS_BLEND_COLOR: return GL_ONE_MINUS_CONSTANT_COLOR;
        case SG_BLENDFACTOR_BLEND_ALPHA: return GL_CONSTANT_ALPHA;
        case SG_BLENDFACTOR_ONE_MINUS_BLEND_ALPHA: return GL_ONE_MINUS_CONSTANT_ALPHA;
        default: return GL_ONE;
    }
}

GLenum blend_op(sg_blend_op op) {
    switch (op) {
        case SG_BLENDOP_SUBTRACT: return GL_FUNC_SUBTRACT;
        case SG_BLENDOP_REVERSE_SUBTRACT: return GL_FUNC_REVERSE_SUBTRACT;
        default: return GL_FUNC_ADD;
    }
}

GLenum compare_func(sg_compare_func f) {
    static const GLenum map[] = {GL_ALWAYS, GL_NEVER, GL_LESS, GL_EQUAL, GL_LEQUAL,
                                 GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
    return map[f];
}

GLenum primitive(sg_primitive_type p) {
    switch (p) {
        case SG_PRIMITIVETYPE_POINTS: return GL_POINTS;
        case SG_PRIMITIVETYPE_LINES: return GL_LINES;
        case SG_PRIMITIVETYPE_LINE_STRIP: return GL_LINE_STRIP;
        case SG_PRIMITIVETYPE_TRIANGLE_STRIP: return GL_TRIANGLE_STRIP;
        default: return GL_TRIANGLES;
    }
}

GLint wrap_mode(sg_wrap w) {
    switch (w) {
        case SG_WRAP_CLAMP_TO_EDGE: return GL_CLAMP_TO_EDGE;
        case SG_WRAP_CLAMP_TO_BORDER: return GL_CLAMP_TO_BORDER;
        case SG_WRAP_MIRRORED_REPEAT: return GL_MIRRORED_REPEAT;
        default: return GL_REPEAT;
    }
}

GLuint compile(GLenum type, const char* src) {
    GLuint s = glCreateShader(type);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024];
        glGetShaderInfoLog(s, sizeof log, nullptr, log);
        gfx_log(1, log);
        glDeleteShader(s);
        return 0;
    }
    return s;
}

}  // namespace

bool gfx_backend_setup(void) {
    glGenVertexArrays(1, &gl.vao);
    glBindVertexArray(gl.vao);
    gl.cur_pipeline = -1;
    return true;
}

void gfx_backend_shutdown(void) {
    glBindVertexArray(0);
    glDeleteVertexArrays(1, &gl.vao);
    gl = gl_state{};
}

bool gfx_backend_make_buffer(int slot, const sg_buffer_desc* d) {
    GLuint b = 0;
    glGenBuffers(1, &b);
    glBindBuffer(GL_ARRAY_BUFFER, b);
    GLenum usage = d->usage.stream_update ? GL_STREAM_DRAW : d->usage.dynamic_update ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW;
    glBufferData(GL_ARRAY_BUFFER, (GLsizeiptr)d->size, d->data.ptr, usage);
    at(gl.buffers, slot) = b;
    return true;
}

void gfx_backend_destroy_buffer(int slot) { glDeleteBuffers(1, &gl.buffers[slot]); }

void gfx_backend_update_buffer(int slot, const sg_range* data) {
    glBindBuffer(GL_ARRAY_BUFFER, gl.buffers[slot]);
    glBufferSubData(GL_ARRAY_BUFFER, 0, (GLsizeiptr)data->size, data->ptr);
}

bool gfx_backend_make_image(int slot, const sg_image_desc* d) {
    gl_image& img = at(gl.images, slot);
    GLint internal = GL_RGBA8;
    img.format = GL_RGBA;
    if (d->pixel_format == SG_PIXELFORMAT_R8) {
        internal = GL_R8;
        img.format = GL_RED;
    } else if (d->pixel_format != SG_PIXELFORMAT_RGBA8) {
        gfx_log(1, "only R8 and RGBA8 images are supported");
        return false;
    }
    img.width = d->width;
    img.height = d->height;
    glGenTextures(1, &img.tex);
    glBindTexture(GL_TEXTURE_2D, img.tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, internal, d->width, d->height, 0, img.format, GL_UNSIGNED_BYTE,
                 d->data.mip_levels[0].ptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    return true;
}

void gfx_backend_destroy_image(int slot) { glDeleteTextures(1, &gl.images[slot].tex); }

void gfx_backend_update_image(int slot, const sg_image_desc*, const sg_image_data* data) {
    gl_image& img = gl.images[slot];
    glBindTexture(GL_TEXTURE_2D, img.tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, img.width, img.height, img.format, GL_UNSIGNED_BYTE,
                    data->mip_levels[0].ptr);
}

bool gfx_backend_make_sampler(int slot, const sg_sampler_desc* d) {
    GLuint s = 0;
    glGenSamplers(1, &s);
    glSamplerParameteri(s, GL_TEXTURE_MIN_FILTER, d->min_filter == SG_FILTER_LINEAR ? GL_LINEAR : GL_NEAREST);
    glSamplerParameteri(s, GL_TEXTURE_MAG_FILTER, d->mag_filter == SG_FILTER_LINEAR ? GL_LINEAR : GL_NEAREST);
    glSamplerParameteri(s, GL_TEXTURE_WRAP_S, wrap_mode(d->wrap_u));
    glSamplerParameteri(s, GL_TEXTURE_WRAP_T, wrap_mode(d->wrap_v));
    at(gl.samplers, slot) = s;
    return true;
}

void gfx_backend_destroy_sampler(int slot) { glDeleteSamplers(1, &gl.samplers[slot]); }

bool gfx_backend_make_shader(int slot, const sg_shader_desc* d) {
    GLuint vs = compile(GL_VERTEX_SHADER, d->vertex_func.source);
    GLuint fs = compile(GL_FRAGMENT_SHADER, d->fragment_func.source);
    if (!vs || !fs) {
        if (vs) glDeleteShader(vs);
        if (fs) glDeleteShader(fs);
        return false;
    }
    GLuint p = glCreateProgram();
    glAttachShader(p, vs);
    glAttachShader(p, fs);
    glLinkProgram(p);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(p, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[1024];
        glGetProgramInfoLog(p, sizeof log, nullptr, log);
        gfx_log(1, log);
        glDeleteProgram(p);
        return false;
    }
    at(gl.programs, slot) = p;
    return true;
}

void gfx_backend_destroy_shader(int slot) { glDeleteProgram(gl.programs[slot]); }

bool gfx_backend_make_pipeline(int slot, int shader_slot, const sg_pipeline_desc* d) {
    gl_pipeline& p = at(gl.pipelines, slot);
    p.program = gl.programs[shader_slot];
    p.desc = *d;
    return true;
}

void gfx_backend_destroy_pipeline(int slot) {
    if (gl.cur_pipeline == slot) gl.cur_pipeline = -1;
}

void gfx_backend_begin_pass(const sg_pass_action* a, const sg_swapchain* sc) {
    gl.fb_width = sc->width > 0 ? sc->width : 1;
    gl.fb_height = sc->height > 0 ? sc->height : 1;
    glBindFramebuffer(GL_FRAMEBUFFER, sc->gl.framebuffer);
    glViewport(0, 0, gl.fb_width, gl.fb_height);
    glDisable(GL_SCISSOR_TEST);
    GLbitfield clear = 0;
    if (a->colors[0].load_action == SG_LOADACTION_CLEAR) {
        const sg_color& c = a->colors[0].clear_value;
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glClearColor(c.r, c.g, c.b, c.a);
        clear |= GL_COLOR_BUFFER_BIT;
    }
    if (a->depth.load_action == SG_LOADACTION_CLEAR) {
        glDepthMask(GL_TRUE);
        glClearDepth(a->depth.clear_value);
        clear |= GL_DEPTH_BUFFER_BIT;
    }
    if (a->stencil.load_action == SG_LOADACTION_CLEAR) {
        glStencilMask(0xFF);
        glClearStencil(a->stencil.clear_value);
        clear |= GL_STENCIL_BUFFER_BIT;
    }
    if (clear) glClear(clear);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, gl.fb_width, gl.fb_height);
    glDisable(GL_CULL_FACE);
    glDisable(GL_STENCIL_TEST);
    gl.cur_pipeline = -1;
}

void gfx_backend_viewport(int x, int y, int w, int h, bool top_left) {
    glViewport(x, top_left ? gl.fb_height - (y + h) : y, w, h);
}

void gfx_backend_scissor(int x, int y, int w, int h, bool top_left) {
    glScissor(x, top_left ? gl.fb_height - (y + h) : y, w < 0 ? 0 : w, h < 0 ? 0 : h);
}

void gfx_backend_apply_pipeline(int slot) {
    gl.cur_pipeline = slot;
    const gl_pipeline& p = gl.pipelines[slot];
    const sg_pipeline_desc& d = p.desc;
    glUseProgram(p.program);
    const sg_blend_state& b = d.colors[0].blend;
    if (b.enabled) {
        glEnable(GL_BLEND);
        glBlendFuncSeparate(blend_factor(b.src_factor_rgb), blend_factor(b.dst_factor_rgb),
                            blend_factor(b.src_factor_alpha), blend_factor(b.dst_factor_alpha));
        glBlendEquationSeparate(blend_op(b.op_rgb), blend_op(b.op_alpha));
    } else {
        glDisable(GL_BLEND);
    }
    int m = d.colors[0].write_mask;
    glColorMask((m & 1) != 0, (m & 2) != 0, (m & 4) != 0, (m & 8) != 0);
    bool depth_test = d.depth.compare != SG_COMPAREFUNC_ALWAYS || d.depth.write_enabled;
    if (depth_test) glEnable(GL_DEPTH_TEST); else glDisable(GL_DEPTH_TEST);
    glDepthFunc(compare_func(d.depth.compare));
    glDepthMask(d.depth.write_enabled ? GL_TRUE : GL_FALSE);
}

void gfx_backend_apply_bindings(const gfx_resolved_bindings* r) {
    if (gl.cur_pipeline < 0) return;
    const sg_pipeline_desc& d = gl.pipelines[gl.cur_pipeline].desc;
    if (r->vertex_buffer >= 0) {
        glBindBuffer(GL_ARRAY_BUFFER, gl.buffers[r->vertex_buffer]);
        GLsizei stride = d.layout.buffers[0].stride;
        for (GLuint i = 0; i < SG_MAX_VERTEX_ATTRIBUTES; i++) {
            const sg_vertex_attr_state& a = d.layout.attrs[i];
            if (a.format == SG_VERTEXFORMAT_INVALID) {
                glDisableVertexAttribArray(i);
                continue;
            }
            const void* off = (const void*)(intptr_t)(r->vertex_buffer_offset + a.offset);
            glEnableVertexAttribArray(i);
            if (a.format == SG_VERTEXFORMAT_UBYTE4N) {
                glVertexAttribPointer(i, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, off);
            } else {
                glVertexAttribPointer(i, (GLint)a.format, GL_FLOAT, GL_FALSE, stride, off);
            }
        }
    }
    for (GLuint i = 0; i < SG_MAX_VIEW_BINDSLOTS; i++) {
        if (r->view_images[i] < 0) continue;
        glActiveTexture(GL_TEXTURE0 + i);
        glBindTexture(GL_TEXTURE_2D, gl.images[r->view_images[i]].tex);
    }
    for (GLuint i = 0; i < SG_MAX_SAMPLER_BINDSLOTS; i++) {
        if (r->samplers[i] >= 0) glBindSampler(i, gl.samplers[r->samplers[i]]);
    }
}

void gfx_backend_draw(int base, int num, int instances) {
    if (gl.cur_pipeline < 0) return;
    GLenum prim = primitive(gl.pipelines[gl.cur_pipeline].desc.primitive_type);
    if (instances == 1) glDrawArrays(prim, base, num);
    else glDrawArraysInstanced(prim, base, num, instances);
}

void gfx_backend_end_pass(void) {}

void gfx_backend_commit(void) {}
