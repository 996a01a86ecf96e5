#include "app_pacing.h"

void pacer_start(app_pacer* p, double period, double now) {
    *p = app_pacer{};
    p->period = period;
    p->deadline = now;
    p->frame_duration = period;
}

double pacer_after_swap(app_pacer* p, double swap_start, double swap_end) {
    // A swap that blocked for a good part of a refresh is the driver's vsync
    // at work: sleeping on top of it would only cost frames.
    if (swap_end - swap_start > 0.5 * p->period) {
        p->deadline = swap_end;
        return 0.0;
    }
    p->deadline += p->period;
    if (p->deadline <= swap_end) {
        // Late. After a stall (more than a frame behind) start afresh rather
        // than rush frames out to catch up.
        if (swap_end - p->deadline > p->period) p->deadline = swap_end;
        return 0.0;
    }
    return p->deadline - swap_end;
}

void pacer_frame_done(app_pacer* p, double now) {
    if (p->have_last) {
        double dt = now - p->last_frame;
        if (dt < 0.0) dt = 0.0;
        if (dt > 0.25) dt = 0.25;   // a stall must not swamp the average
        p->frame_duration += 0.2 * (dt - p->frame_duration);
    }
    p->last_frame = now;
    p->have_last = true;
}

double pacer_frame_duration(const app_pacer* p) { return p->frame_duration; }
