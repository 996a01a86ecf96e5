// Test seam of the sokol stand-in. The library target `sokol_record` is
// built from the same sources without any window or GL: sokol_gfx hands out
// resource ids only, sokol_gl and the fontstash renderer run their real
// logic (matrix stacks, capacities, the fontstash atlas in memory) and
// append every call listed below to a log that tests read here. The
// sokol_app queries return the metrics that a test sets.
#pragma once
#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum srec_kind {
    SREC_MATRIX_MODE_MODELVIEW,
    SREC_MATRIX_MODE_PROJECTION,
    SREC_LOAD_IDENTITY,
    SREC_TRANSLATE,          // f[0..2] = x, y, z
    SREC_SCALE,              // f[0..2] = x, y, z
    SREC_PUSH_MATRIX,
    SREC_POP_MATRIX,
    SREC_ENABLE_TEXTURE,
    SREC_DISABLE_TEXTURE,
    SREC_TEXTURE,            // u[0] = view id, u[1] = sampler id
    SREC_PUSH_PIPELINE,
    SREC_LOAD_PIPELINE,      // u[0] = sgl_pipeline id
    SREC_LOAD_DEFAULT_PIPELINE,
    SREC_POP_PIPELINE,
    SREC_COLOR,              // f[0..3] = r, g, b, a as given (c4b/c1i: byte / 255)
    SREC_BEGIN,              // i[0] = SREC_PRIM_*
    SREC_VERTEX,             // f[0..1] = x, y as given, f[2..3] = u, v,
                             // f[4..7] = r, g, b, a, f[8..9] = clip x, y
    SREC_END,
    SREC_SCISSOR_RECT,       // f[0..3] = x, y, w, h; i[0] = origin_top_left
    SREC_SGL_DRAW,
    SREC_SFONS_FLUSH,        // i[0] = 1 when the atlas was uploaded
    SREC_BEGIN_PASS,
    SREC_END_PASS,
    SREC_COMMIT,
} srec_kind;

enum {
    SREC_PRIM_TRIANGLES = 1,
    SREC_PRIM_TRIANGLE_STRIP = 2,
};

typedef struct srec_call {
    srec_kind kind;
    float f[10];
    int i[2];
    uint32_t u[2];
} srec_call;

int srec_count(void);
srec_call srec_get(int index);   // index in [0, srec_count())
void srec_clear(void);

// What sapp_width/height/dpi_scale/frame_duration return; the defaults are
// 400, 300, 1.0 and 1/60.
void srec_set_app_metrics(int width, int height, float dpi_scale, double frame_duration);

// Library-internal: appends one call to the log.
void srec_push(const srec_call* call);

#ifdef __cplusplus
}
#endif
