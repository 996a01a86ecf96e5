// Helpers for tests that run the bridge on the recording sokol build.
#pragma once
#include <string>
#include <vector>

#include "sokol_record.h"

struct vec2 {
    float x, y;
};

// A vertex at (x, y), to float precision.
#define EXPECT_AT(p, px, py)        \
    do {                            \
        EXPECT_FLOAT_EQ((p).x, px); \
        EXPECT_FLOAT_EQ((p).y, py); \
    } while (0)

// The graphics layers and the bridge, set up fresh for each test.
void start_graphics(void);
void stop_graphics(void);

std::vector<srec_call> recorded(void);
std::vector<srec_kind> recorded_kinds(void);
// Positions of the vertices of the first strip that begins at or after
// `from` in the log; `end_index` receives the index of its SREC_END.
std::vector<vec2> strip_at(const std::vector<srec_call>& log, size_t from, size_t* end_index = nullptr);

// Triangles of a strip with a positive area that cover p (p strictly inside).
int strip_coverage(const std::vector<vec2>& strip, vec2 p);

std::string roboto_path(void);
std::vector<unsigned char> roboto_bytes(void);
