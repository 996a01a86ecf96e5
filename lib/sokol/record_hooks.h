// Hooks through which the library feeds the test log of sokol_record.h.
// In the real build srec_on is false and every hook compiles to nothing.
#pragma once
#include <initializer_list>

#include "sokol_record.h"

#ifdef SOKOL_RECORD
inline constexpr bool srec_on = true;
#else
inline constexpr bool srec_on = false;
#endif

// Appends a call with up to ten float and two int arguments.
inline void srec_note(srec_kind kind, std::initializer_list<float> f = {}, int i0 = 0,
                      uint32_t u0 = 0, uint32_t u1 = 0) {
    if constexpr (srec_on) {
        srec_call c = {};
        c.kind = kind;
        int n = 0;
        for (float v : f) {
            if (n < 10) c.f[n++] = v;
        }
        c.i[0] = i0;
        c.u[0] = u0;
        c.u[1] = u1;
        srec_push(&c);
    } else {
        (void)kind, (void)f, (void)i0, (void)u0, (void)u1;
    }
}

#define SREC_PLAIN(k) srec_note(k)
