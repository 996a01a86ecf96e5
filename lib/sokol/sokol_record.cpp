// The recording build's sokol_app (metrics set by tests, no window) and the
// call log of sokol_record.h.
#include "sokol_record.h"

#include <vector>

#include "sokol_app.h"
#include "sokol_gfx.h"

namespace {

struct record_state {
    std::vector<srec_call> calls;
    int width = 400, height = 300;
    float dpi_scale = 1.0f;
    double frame_duration = 1.0 / 60.0;
};

record_state rec;

}  // namespace

int srec_count(void) { return (int)rec.calls.size(); }

srec_call srec_get(int index) {
    if (index < 0 || index >= (int)rec.calls.size()) return srec_call{};
    return rec.calls[index];
}

void srec_clear(void) { rec.calls.clear(); }

void srec_push(const srec_call* call) { rec.calls.push_back(*call); }

void srec_set_app_metrics(int width, int height, float dpi_scale, double frame_duration) {
    rec.width = width;
    rec.height = height;
    rec.dpi_scale = dpi_scale;
    rec.frame_duration = frame_duration;
}

void sapp_run(const sapp_desc*) {}
bool sapp_isvalid(void) { return true; }
int sapp_width(void) { return rec.width > 0 ? rec.width : 1; }
float sapp_widthf(void) { return (float)sapp_width(); }
int sapp_height(void) { return rec.height > 0 ? rec.height : 1; }
float sapp_heightf(void) { return (float)sapp_height(); }
float sapp_dpi_scale(void) { return rec.dpi_scale; }
bool sapp_high_dpi(void) { return false; }
int sapp_sample_count(void) { return 1; }
int sapp_color_format(void) { return SG_PIXELFORMAT_RGBA8; }
int sapp_depth_format(void) { return SG_PIXELFORMAT_DEPTH_STENCIL; }
double sapp_frame_duration(void) { return rec.frame_duration; }
uint64_t sapp_frame_count(void) { return 0; }
void sapp_request_quit(void) {}
void sapp_cancel_quit(void) {}
void sapp_quit(void) {}
