// Back end of the recording build: resources exist as ids only, nothing is
// drawn.
#include "gfx_backend.h"

bool gfx_backend_setup(void) { return true; }
void gfx_backend_shutdown(void) {}
bool gfx_backend_make_buffer(int, const sg_buffer_desc*) { return true; }
void gfx_backend_destroy_buffer(int) {}
void gfx_backend_update_buffer(int, const sg_range*) {}
bool gfx_backend_make_image(int, const sg_image_desc*) { return true; }
void gfx_backend_destroy_image(int) {}
void gfx_backend_update_image(int, const sg_image_desc*, const sg_image_data*) {}
bool gfx_backend_make_sampler(int, const sg_sampler_desc*) { return true; }
void gfx_backend_destroy_sampler(int) {}
bool gfx_backend_make_shader(int, const sg_shader_desc*) { return true; }
void gfx_backend_destroy_shader(int) {}
bool gfx_backend_make_pipeline(int, int, const sg_pipeline_desc*) { return true; }
void gfx_backend_destroy_pipeline(int) {}
void gfx_backend_begin_pass(const sg_pass_action*, const sg_swapchain*) {}
void gfx_backend_viewport(int, int, int, int, bool) {}
void gfx_backend_scissor(int, int, int, int, bool) {}
void gfx_backend_apply_pipeline(int) {}
void gfx_backend_apply_bindings(const gfx_resolved_bindings*) {}
void gfx_backend_draw(int, int, int) {}
void gfx_backend_end_pass(void) {}
void gfx_backend_commit(void) {}
