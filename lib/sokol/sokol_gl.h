// Ostrelle's own small stand-in for the part of sokol_gl that the program
// uses: immediate-mode 2D geometry recorded during a frame and drawn with
// sokol_gfx by sgl_draw inside the pass. Matrix and pipeline stacks,
// texturing, colours, scissor rectangles, triangle lists and strips.
//
// Vertices are transformed by projection * model-view when they are
// emitted. Per frame at most max_vertices vertices and max_commands
// commands are kept; what does not fit is dropped (never drawn) and
// reported by sgl_error() until the next sgl_draw.
#pragma once
#include <stdbool.h>
#include <stdint.h>
#include "sokol_gfx.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct sgl_pipeline { uint32_t id; } sgl_pipeline;

typedef struct sgl_error_t {
    bool any;
    bool vertices_full;
    bool uniforms_full;          // never set: there are no uniforms
    bool commands_full;
    bool stack_overflow;
    bool stack_underflow;
    bool no_context;
} sgl_error_t;

typedef struct sgl_logger_t {
    void (*func)(const char* tag, uint32_t log_level, uint32_t log_item_id,
                 const char* message_or_null, uint32_t line_nr,
                 const char* filename_or_null, void* user_data);
    void* user_data;
} sgl_logger_t;

typedef struct sgl_desc_t {
    int max_vertices;            // default 65536
    int max_commands;            // default 16384
    int pipeline_pool_size;      // default 64
    sg_pixel_format color_format;
    sg_pixel_format depth_format;
    int sample_count;
    sgl_logger_t logger;
} sgl_desc_t;

void sgl_setup(const sgl_desc_t* desc);
void sgl_shutdown(void);
sgl_error_t sgl_error(void);
float sgl_rad(float deg);
float sgl_deg(float rad);

// The pipeline description's shader, primitive type and vertex layout are
// supplied by sokol_gl (a non-zero shader is kept and must read sokol_gl's
// vertex layout: float4 clip position, float2 uv, ubyte4n colour); the rest
// (blend, depth, write mask, ...) is the caller's.
sgl_pipeline sgl_make_pipeline(const sg_pipeline_desc* desc);
void sgl_destroy_pipeline(sgl_pipeline pip);

// Render state; pipeline stack depth 32.
void sgl_enable_texture(void);
void sgl_disable_texture(void);
void sgl_texture(sg_view tex_view, sg_sampler smp);
void sgl_load_default_pipeline(void);
void sgl_load_pipeline(sgl_pipeline pip);
void sgl_push_pipeline(void);
void sgl_pop_pipeline(void);
void sgl_scissor_rect(int x, int y, int w, int h, bool origin_top_left);
void sgl_scissor_rectf(float x, float y, float w, float h, bool origin_top_left);

// Matrix stacks; each is 32 deep.
void sgl_matrix_mode_modelview(void);
void sgl_matrix_mode_projection(void);
void sgl_load_identity(void);
void sgl_load_matrix(const float m[16]);     // column-major
void sgl_translate(float x, float y, float z);
void sgl_scale(float x, float y, float z);
void sgl_rotate(float angle_rad, float x, float y, float z);
void sgl_ortho(float l, float r, float b, float t, float n, float f);
void sgl_push_matrix(void);
void sgl_pop_matrix(void);

// Colour state, used by vertices that give no colour of their own.
void sgl_c3f(float r, float g, float b);
void sgl_c4f(float r, float g, float b, float a);
void sgl_c4b(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
void sgl_c1i(uint32_t rgba);                 // r in the lowest byte

void sgl_begin_triangles(void);
void sgl_begin_triangle_strip(void);
void sgl_v2f(float x, float y);
void sgl_v3f(float x, float y, float z);
void sgl_v2f_t2f(float x, float y, float u, float v);
void sgl_v2f_c4f(float x, float y, float r, float g, float b, float a);
void sgl_v2f_t2f_c1i(float x, float y, float u, float v, uint32_t rgba);
void sgl_end(void);

// Draws everything recorded since the last sgl_draw, inside the current
// sokol_gfx pass, and starts a new frame. Matrices, pipeline stack, colour
// and texture state carry over.
void sgl_draw(void);

#ifdef __cplusplus
}
#endif
