// Triangle-strip builders. Each emits into a strip its caller has opened,
// in the current colour, and starts and ends with a repeated vertex so that
// the triangles joining two pieces have zero area.
#pragma once

// sin(6k degrees) for k = 0..15: the 16 points of a quarter arc.
extern const float corner_sine_table[16];

void draw_rect(float x, float y, float w, float h);
// A quarter disc at the box corner (x, y); the signs of rx, ry pick the
// quadrant (y grows downward).
void draw_corner(float x, float y, float rx, float ry);
// A quarter ring with outer radii (rx, ry) and inner radii (bx, by).
void draw_corner_border(float x, float y, float rx, float ry, float bx, float by);
