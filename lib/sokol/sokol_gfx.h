// Ostrelle's own small stand-in for the part of sokol_gfx that the program
// and the immediate-mode and font layers beneath it use: setup, one pass on
// the window's swapchain, and the buffers, images, views, samplers, shaders
// and pipelines that those layers draw with. OpenGL 4.3 core only.
//
// Shaders are GLSL 4.30 sources that fix their own locations: vertex
// attribute i at location i, texture view slot i and sampler slot i at
// texture unit i (layout(binding = i)). There are no uniform blocks.
#pragma once
#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct sg_buffer { uint32_t id; } sg_buffer;
typedef struct sg_image { uint32_t id; } sg_image;
typedef struct sg_view { uint32_t id; } sg_view;
typedef struct sg_sampler { uint32_t id; } sg_sampler;
typedef struct sg_shader { uint32_t id; } sg_shader;
typedef struct sg_pipeline { uint32_t id; } sg_pipeline;

typedef struct sg_range {
    const void* ptr;
    size_t size;
} sg_range;

enum {
    SG_INVALID_ID = 0,
    SG_NUM_INFLIGHT_FRAMES = 2,
    SG_MAX_COLOR_ATTACHMENTS = 4,
    SG_MAX_VERTEXBUFFER_BINDSLOTS = 8,
    SG_MAX_VERTEX_ATTRIBUTES = 16,
    SG_MAX_VIEW_BINDSLOTS = 8,
    SG_MAX_SAMPLER_BINDSLOTS = 8,
};

typedef struct sg_color { float r, g, b, a; } sg_color;

typedef enum sg_resource_state {
    SG_RESOURCESTATE_INITIAL,
    SG_RESOURCESTATE_ALLOC,
    SG_RESOURCESTATE_VALID,
    SG_RESOURCESTATE_FAILED,
    SG_RESOURCESTATE_INVALID,
} sg_resource_state;

typedef enum sg_pixel_format {
    _SG_PIXELFORMAT_DEFAULT,
    SG_PIXELFORMAT_NONE,
    SG_PIXELFORMAT_R8,
    SG_PIXELFORMAT_RGBA8,
    SG_PIXELFORMAT_DEPTH,
    SG_PIXELFORMAT_DEPTH_STENCIL,
} sg_pixel_format;

typedef enum sg_primitive_type {
    _SG_PRIMITIVETYPE_DEFAULT,   // triangles
    SG_PRIMITIVETYPE_POINTS,
    SG_PRIMITIVETYPE_LINES,
    SG_PRIMITIVETYPE_LINE_STRIP,
    SG_PRIMITIVETYPE_TRIANGLES,
    SG_PRIMITIVETYPE_TRIANGLE_STRIP,
} sg_primitive_type;

typedef enum sg_filter {
    _SG_FILTER_DEFAULT,          // nearest
    SG_FILTER_NEAREST,
    SG_FILTER_LINEAR,
} sg_filter;

typedef enum sg_wrap {
    _SG_WRAP_DEFAULT,            // repeat
    SG_WRAP_REPEAT,
    SG_WRAP_CLAMP_TO_EDGE,
    SG_WRAP_CLAMP_TO_BORDER,
    SG_WRAP_MIRRORED_REPEAT,
} sg_wrap;

typedef enum sg_vertex_format {
    SG_VERTEXFORMAT_INVALID,
    SG_VERTEXFORMAT_FLOAT,
    SG_VERTEXFORMAT_FLOAT2,
    SG_VERTEXFORMAT_FLOAT3,
    SG_VERTEXFORMAT_FLOAT4,
    SG_VERTEXFORMAT_UBYTE4N,
} sg_vertex_format;

typedef enum sg_compare_func {
    _SG_COMPAREFUNC_DEFAULT,     // always
    SG_COMPAREFUNC_NEVER,
    SG_COMPAREFUNC_LESS,
    SG_COMPAREFUNC_EQUAL,
    SG_COMPAREFUNC_LESS_EQUAL,
    SG_COMPAREFUNC_GREATER,
    SG_COMPAREFUNC_NOT_EQUAL,
    SG_COMPAREFUNC_GREATER_EQUAL,
    SG_COMPAREFUNC_ALWAYS,
} sg_compare_func;

typedef enum sg_blend_factor {
    _SG_BLENDFACTOR_DEFAULT,
    SG_BLENDFACTOR_ZERO,
    SG_BLENDFACTOR_ONE,
    SG_BLENDFACTOR_SRC_COLOR,
    SG_BLENDFACTOR_ONE_MINUS_SRC_COLOR,
    SG_BLENDFACTOR_SRC_ALPHA,              // 5
    SG_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,    // 6
    SG_BLENDFACTOR_DST_COLOR,
    SG_BLENDFACTOR_ONE_MINUS_DST_COLOR,
    SG_BLENDFACTOR_DST_ALPHA,
    SG_BLENDFACTOR_ONE_MINUS_DST_ALPHA,
    SG_BLENDFACTOR_SRC_ALPHA_SATURATED,
    SG_BLENDFACTOR_BLEND_COLOR,
    SG_BLENDFACTOR_ONE_MINUS_BLEND_COLOR,
    SG_BLENDFACTOR_BLEND_ALPHA,
    SG_BLENDFACTOR_ONE_MINUS_BLEND_ALPHA,
} sg_blend_factor;

typedef enum sg_blend_op {
    _SG_BLENDOP_DEFAULT,         // add
    SG_BLENDOP_ADD,
    SG_BLENDOP_SUBTRACT,
    SG_BLENDOP_REVERSE_SUBTRACT,
} sg_blend_op;

typedef enum sg_color_mask {
    _SG_COLORMASK_DEFAULT = 0,   // rgba
    SG_COLORMASK_NONE = 0x10,
    SG_COLORMASK_R = 0x1,
    SG_COLORMASK_G = 0x2,
    SG_COLORMASK_B = 0x4,
    SG_COLORMASK_A = 0x8,
    SG_COLORMASK_RGB = 0x7,
    SG_COLORMASK_RGBA = 0xF,
} sg_color_mask;

typedef enum sg_load_action {
    _SG_LOADACTION_DEFAULT,      // clear
    SG_LOADACTION_CLEAR,
    SG_LOADACTION_LOAD,
    SG_LOADACTION_DONTCARE,
} sg_load_action;

typedef enum sg_store_action {
    _SG_STOREACTION_DEFAULT,     // store colour; depth and stencil dont-care
    SG_STOREACTION_STORE,
    SG_STOREACTION_DONTCARE,
} sg_store_action;

typedef struct sg_color_attachment_action {
    sg_load_action load_action;
    sg_store_action store_action;
    sg_color clear_value;        // all zero: (0.5, 0.5, 0.5, 1)
} sg_color_attachment_action;

typedef struct sg_depth_attachment_action {
    sg_load_action load_action;
    sg_store_action store_action;
    float clear_value;           // 0: 1.0
} sg_depth_attachment_action;

typedef struct sg_stencil_attachment_action {
    sg_load_action load_action;
    sg_store_action store_action;
    uint8_t clear_value;
} sg_stencil_attachment_action;

typedef struct sg_pass_action {
    sg_color_attachment_action colors[SG_MAX_COLOR_ATTACHMENTS];
    sg_depth_attachment_action depth;
    sg_stencil_attachment_action stencil;
} sg_pass_action;

typedef struct sg_environment_defaults {
    sg_pixel_format color_format;
    sg_pixel_format depth_format;
    int sample_count;
} sg_environment_defaults;

typedef struct sg_environment {
    sg_environment_defaults defaults;
} sg_environment;

typedef struct sg_gl_swapchain {
    uint32_t framebuffer;
} sg_gl_swapchain;

typedef struct sg_swapchain {
    int width;
    int height;
    int sample_count;
    sg_pixel_format color_format;
    sg_pixel_format depth_format;
    sg_gl_swapchain gl;
} sg_swapchain;

typedef struct sg_pass {
    sg_pass_action action;
    sg_swapchain swapchain;
    const char* label;
} sg_pass;

typedef struct sg_bindings {
    sg_buffer vertex_buffers[SG_MAX_VERTEXBUFFER_BINDSLOTS];
    int vertex_buffer_offsets[SG_MAX_VERTEXBUFFER_BINDSLOTS];
    sg_view views[SG_MAX_VIEW_BINDSLOTS];
    sg_sampler samplers[SG_MAX_SAMPLER_BINDSLOTS];
} sg_bindings;

typedef struct sg_buffer_usage {
    bool vertex_buffer;          // the only kind supported
    bool index_buffer;
    bool immutable;              // default when neither update flag is set
    bool dynamic_update;
    bool stream_update;
} sg_buffer_usage;

typedef struct sg_buffer_desc {
    size_t size;
    sg_buffer_usage usage;
    sg_range data;
    const char* label;
} sg_buffer_desc;

typedef struct sg_image_usage {
    bool immutable;
    bool dynamic_update;
    bool stream_update;
} sg_image_usage;

typedef struct sg_image_data {
    sg_range mip_levels[1];      // base level only
} sg_image_data;

typedef struct sg_image_desc {
    int width;
    int height;
    sg_image_usage usage;
    sg_pixel_format pixel_format;   // default RGBA8
    sg_image_data data;
    const char* label;
} sg_image_desc;

typedef struct sg_texture_view_desc {
    sg_image image;
} sg_texture_view_desc;

typedef struct sg_view_desc {
    sg_texture_view_desc texture;
    const char* label;
} sg_view_desc;

typedef struct sg_sampler_desc {
    sg_filter min_filter;
    sg_filter mag_filter;
    sg_wrap wrap_u;
    sg_wrap wrap_v;
    const char* label;
} sg_sampler_desc;

typedef struct sg_shader_function {
    const char* source;          // GLSL 4.30 core
} sg_shader_function;

typedef struct sg_shader_desc {
    sg_shader_function vertex_func;
    sg_shader_function fragment_func;
    const char* label;
} sg_shader_desc;

typedef struct sg_vertex_buffer_layout_state {
    int stride;                  // 0: packed attributes
} sg_vertex_buffer_layout_state;

typedef struct sg_vertex_attr_state {
    int buffer_index;
    int offset;                  // 0 on every attribute: packed
    sg_vertex_format format;
} sg_vertex_attr_state;

typedef struct sg_vertex_layout_state {
    sg_vertex_buffer_layout_state buffers[SG_MAX_VERTEXBUFFER_BINDSLOTS];
    sg_vertex_attr_state attrs[SG_MAX_VERTEX_ATTRIBUTES];
} sg_vertex_layout_state;

typedef struct sg_depth_state {
    sg_pixel_format pixel_format;
    sg_compare_func compare;     // default always
    bool write_enabled;
} sg_depth_state;

typedef struct sg_blend_state {
    bool enabled;
    sg_blend_factor src_factor_rgb;     // default one
    sg_blend_factor dst_factor_rgb;     // default zero
    sg_blend_op op_rgb;
    sg_blend_factor src_factor_alpha;   // default one
    sg_blend_factor dst_factor_alpha;   // default zero
    sg_blend_op op_alpha;
} sg_blend_state;

typedef struct sg_color_target_state {
    sg_pixel_format pixel_format;
    sg_color_mask write_mask;
    sg_blend_state blend;
} sg_color_target_state;

typedef struct sg_pipeline_desc {
    sg_shader shader;
    sg_vertex_layout_state layout;
    sg_depth_state depth;
    int color_count;             // default 1
    sg_color_target_state colors[SG_MAX_COLOR_ATTACHMENTS];
    sg_primitive_type primitive_type;
    int sample_count;
    const char* label;
} sg_pipeline_desc;

typedef struct sg_logger {
    void (*func)(const char* tag, uint32_t log_level, uint32_t log_item_id,
                 const char* message_or_null, uint32_t line_nr,
                 const char* filename_or_null, void* user_data);
    void* user_data;
} sg_logger;

typedef struct sg_desc {
    int buffer_pool_size;        // default 128
    int image_pool_size;         // default 128
    int sampler_pool_size;       // default 64
    int shader_pool_size;        // default 32
    int pipeline_pool_size;      // default 64
    int view_pool_size;          // default 256
    sg_environment environment;
    sg_logger logger;
} sg_desc;

void sg_setup(const sg_desc* desc);
void sg_shutdown(void);
bool sg_isvalid(void);

sg_buffer sg_make_buffer(const sg_buffer_desc* desc);
sg_image sg_make_image(const sg_image_desc* desc);
sg_view sg_make_view(const sg_view_desc* desc);
sg_sampler sg_make_sampler(const sg_sampler_desc* desc);
sg_shader sg_make_shader(const sg_shader_desc* desc);
sg_pipeline sg_make_pipeline(const sg_pipeline_desc* desc);
void sg_destroy_buffer(sg_buffer buf);
void sg_destroy_image(sg_image img);
void sg_destroy_view(sg_view view);
void sg_destroy_sampler(sg_sampler smp);
void sg_destroy_shader(sg_shader shd);
void sg_destroy_pipeline(sg_pipeline pip);
sg_resource_state sg_query_buffer_state(sg_buffer buf);
sg_resource_state sg_query_image_state(sg_image img);
sg_resource_state sg_query_view_state(sg_view view);
sg_resource_state sg_query_sampler_state(sg_sampler smp);
sg_resource_state sg_query_shader_state(sg_shader shd);
sg_resource_state sg_query_pipeline_state(sg_pipeline pip);

void sg_update_buffer(sg_buffer buf, const sg_range* data);
void sg_update_image(sg_image img, const sg_image_data* data);

void sg_begin_pass(const sg_pass* pass);
void sg_apply_viewport(int x, int y, int width, int height, bool origin_top_left);
void sg_apply_scissor_rect(int x, int y, int width, int height, bool origin_top_left);
void sg_apply_pipeline(sg_pipeline pip);
void sg_apply_bindings(const sg_bindings* bindings);
void sg_draw(int base_element, int num_elements, int num_instances);
void sg_end_pass(void);
void sg_commit(void);

#ifdef __cplusplus
}
#endif
