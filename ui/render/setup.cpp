// Bridge state, set-up, shut-down and fonts.
#include <fontstash.h>

#include "sclay.h"
#include "sclay_state.h"
#include "sokol_fontstash.h"
#include "sokol_gfx.h"
#include "sokol_gl.h"

sclay_state_t sclay_state;
int sclay_font_count;

void sclay_setup(void) {
    sg_pipeline_desc desc = {};
    desc.colors[0].blend.enabled = true;
    desc.colors[0].blend.src_factor_rgb = SG_BLENDFACTOR_SRC_ALPHA;
    desc.colors[0].blend.dst_factor_rgb = SG_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    sclay_state.pipeline = sgl_make_pipeline(&desc);

    sclay_state.pointer_position = {0.0f, 0.0f};
    sclay_state.scroll_delta = {0.0f, 0.0f};
    sclay_state.pointer_down = false;
    sclay_state.layout_size = {1.0f, 1.0f};
    sclay_state.dpi_scale = 1.0f;

    // Zero sizes and allocators: sokol_fontstash's 512 x 512 atlas, malloc/free.
    sfons_desc_t font_desc = {};
    sclay_state.font_context = sfons_create(&font_desc);
    sclay_font_count = 0;
}

void sclay_shutdown(void) {
    sgl_destroy_pipeline(sclay_state.pipeline);
    sfons_destroy(sclay_state.font_context);
}

// Fonts are told apart by handle only, so all share the empty name.
int sclay_add_font(const char* path) {
    sclay_font_count++;
    return fonsAddFont(sclay_state.font_context, "", path, 0);
}

int sclay_add_font_mem(const void* data, int length) {
    sclay_font_count++;
    // freeData 0: the caller owns the bytes; fontstash only reads them.
    return fonsAddFontMem(sclay_state.font_context, "", (unsigned char*)data, length, 0, 0);
}
