// Frame pacing for drivers that ignore the swap interval (Xvfb, some VMs):
// frames are held to one per display refresh by sleeping after the swap,
// unless the swap itself already blocked for the refresh. Pure arithmetic
// on times in seconds, so that it can be tested without a clock.
#pragma once

struct app_pacer {
    double period;           // seconds per frame we aim for
    double deadline;         // when the next frame may start
    double last_frame;       // time the previous frame finished
    double frame_duration;   // smoothed seconds per frame
    bool have_last;
};

void pacer_start(app_pacer* p, double period, double now);
// The swap ran from swap_start to swap_end; returns seconds to sleep.
double pacer_after_swap(app_pacer* p, double swap_start, double swap_end);
// A frame finished at now (after any sleep).
void pacer_frame_done(app_pacer* p, double now);
double pacer_frame_duration(const app_pacer* p);
