// The bridge's one module-level state record, shared by its source files.
#pragma once
#include "clay.h"
#include "sokol_gl.h"

typedef struct FONScontext FONScontext;

typedef struct sclay_state_t {
    sgl_pipeline pipeline;          // alpha blending, for all strips
    Clay_Vector2 pointer_position;  // layout units
    Clay_Vector2 scroll_delta;      // sum since the last new frame, sokol_app units
    bool pointer_down;
    Clay_Dimensions layout_size;    // framebuffer size / dpi_scale
    float dpi_scale;                // framebuffer pixels per layout unit
    FONScontext* font_context;
} sclay_state_t;

extern sclay_state_t sclay_state;

// Entries of the font table: the number of fonts added since setup.
extern int sclay_font_count;
