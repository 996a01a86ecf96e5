// What sokol_gfx.cpp asks of a drawing back end. Resources are named by
// their pool slot; descriptions arrive with every default already filled.
// gfx_backend_gl.cpp draws with OpenGL, gfx_backend_null.cpp (the recording
// build) does nothing.
#pragma once
#include "sokol_gfx.h"

struct gfx_resolved_bindings {
    int vertex_buffer;           // slot, or -1
    int vertex_buffer_offset;
    int view_images[SG_MAX_VIEW_BINDSLOTS];   // image slot per view slot, or -1
    int samplers[SG_MAX_SAMPLER_BINDSLOTS];   // slot, or -1
};

bool gfx_backend_setup(void);
void gfx_backend_shutdown(void);

bool gfx_backend_make_buffer(int slot, const sg_buffer_desc* desc);
void gfx_backend_destroy_buffer(int slot);
void gfx_backend_update_buffer(int slot, const sg_range* data);
bool gfx_backend_make_image(int slot, const sg_image_desc* desc);
void gfx_backend_destroy_image(int slot);
void gfx_backend_update_image(int slot, const sg_image_desc* desc, const sg_image_data* data);
bool gfx_backend_make_sampler(int slot, const sg_sampler_desc* desc);
void gfx_backend_destroy_sampler(int slot);
bool gfx_backend_make_shader(int slot, const sg_shader_desc* desc);
void gfx_backend_destroy_shader(int slot);
bool gfx_backend_make_pipeline(int slot, int shader_slot, const sg_pipeline_desc* desc);
void gfx_backend_destroy_pipeline(int slot);

void gfx_backend_begin_pass(const sg_pass_action* action, const sg_swapchain* swapchain);
void gfx_backend_viewport(int x, int y, int w, int h, bool origin_top_left);
void gfx_backend_scissor(int x, int y, int w, int h, bool origin_top_left);
void gfx_backend_apply_pipeline(int slot);
void gfx_backend_apply_bindings(const gfx_resolved_bindings* b);
void gfx_backend_draw(int base_element, int num_elements, int num_instances);
void gfx_backend_end_pass(void);
void gfx_backend_commit(void);

// Log through the logger given to sg_setup.
void gfx_log(uint32_t level, const char* message);
