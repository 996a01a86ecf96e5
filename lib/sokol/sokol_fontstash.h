// Ostrelle's own small stand-in for sokol_fontstash: the renderer that
// fontstash draws through. The glyph atlas lives in a sokol_gfx image,
// glyph quads go through sokol_gl with a pipeline of their own.
// Include after fontstash.h.
#pragma once
#include <stdint.h>
#include "sokol_gfx.h"
#include "sokol_gl.h"

#ifndef FONS_H
#error "include fontstash.h before sokol_fontstash.h"
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct sfons_allocator_t {
    void* (*alloc_fn)(size_t size, void* user_data);
    void (*free_fn)(void* ptr, void* user_data);
    void* user_data;
} sfons_allocator_t;

typedef struct sfons_desc_t {
    int width;                   // atlas size; 0: 512
    int height;                  // 0: 512
    sfons_allocator_t allocator; // zero: malloc and free
} sfons_desc_t;

// A fontstash context with the flag FONS_ZERO_TOPLEFT. Needs sg_setup and
// sgl_setup done.
FONScontext* sfons_create(const sfons_desc_t* desc);
void sfons_destroy(FONScontext* ctx);
// Uploads the atlas to its image when glyphs were added since the last call.
void sfons_flush(FONScontext* ctx);
uint32_t sfons_rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a);

#ifdef __cplusplus
}
#endif
