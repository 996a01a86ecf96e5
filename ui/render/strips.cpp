#include "strips.h"

#include "sokol_gl.h"

// Six decimals are plenty at window scale and keep arcs free of trig calls.
const float corner_sine_table[16] = {
    0.0f,      0.104528f, 0.207912f, 0.309017f, 0.406737f, 0.5f,      0.587785f, 0.669131f,
    0.743145f, 0.809017f, 0.866025f, 0.913545f, 0.951057f, 0.978148f, 0.994522f, 1.0f,
};

void draw_rect(float x, float y, float w, float h) {
    sgl_v2f(x, y);
    sgl_v2f(x, y);
    sgl_v2f(x + w, y);
    sgl_v2f(x, y + h);
    sgl_v2f(x + w, y + h);
    sgl_v2f(x + w, y + h);
}

void draw_corner(float x, float y, float rx, float ry) {
    const float* s = corner_sine_table;
    const float cx = x - rx;
    const float cy = y - ry;
    sgl_v2f(cx, cy);
    for (int i = 0; i < 16; i++) {
        sgl_v2f(cx, cy);
        sgl_v2f(cx + rx * s[15 - i], cy + ry * s[i]);
    }
    sgl_v2f(cx + rx * s[0], cy + ry * s[15]);
}

void draw_corner_border(float x, float y, float rx, float ry, float bx, float by) {
    const float* s = corner_sine_table;
    const float cx = x - rx;
    const float cy = y - ry;
    sgl_v2f(cx + bx * s[15], cy + by * s[0]);
    for (int i = 0; i < 16; i++) {
        sgl_v2f(cx + bx * s[15 - i], cy + by * s[i]);
        sgl_v2f(cx + rx * s[15 - i], cy + ry * s[i]);
    }
    sgl_v2f(cx + rx * s[0], cy + ry * s[15]);
}
