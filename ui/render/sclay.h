// Renderer bridge between the Clay layout and sokol_gl/fontstash: feeds
// window size, pointer, buttons and scroll to Clay once per frame, measures
// text for Clay with fontstash, and draws Clay's render commands.
//
// Layout units: one unit is dpi_scale framebuffer pixels. Everything handed
// to or taken from Clay is in layout units; sokol_app sizes and mouse
// positions are framebuffer pixels.
//
// A font table is an array of fontstash handles indexed by a text's fontId,
// one entry per sclay_add_font/sclay_add_font_mem call, in call order.
#pragma once
#include "clay.h"
#include "sokol_app.h"

typedef struct FONScontext FONScontext;

// Needs sokol_gfx and sokol_gl set up.
void sclay_setup(void);
// Destroys the pipeline and the fontstash context with all its fonts.
void sclay_shutdown(void);

// Return the fontstash handle, -1 when the font could not be loaded.
int sclay_add_font(const char* path);
// The bytes are neither copied nor freed: keep them valid until shutdown.
int sclay_add_font_mem(const void* data, int length);

// Clay's text-measuring function; user_data is the font table (or null).
Clay_Dimensions sclay_measure_text(Clay_StringSlice text, Clay_TextElementConfig* config, void* user_data);

// Once per frame, before the layout is declared: layout size, pointer and
// scroll go to Clay here, and Clay's pointer callbacks run inside.
void sclay_new_frame(void);
// Takes mouse down/up/move/scroll; every other event is ignored.
void sclay_handle_event(const sapp_event* ev);
// size in framebuffer pixels, scale in framebuffer pixels per layout unit.
void sclay_set_layout_dimensions(Clay_Dimensions size, float scale);

// Records the commands into sokol_gl's current context, multiplying the
// layout transform onto the model-view matrix (load the identity first),
// and flushes the glyph atlas. fonts may be null: text is then skipped.
void sclay_render(Clay_RenderCommandArray commands, const int* fonts);
