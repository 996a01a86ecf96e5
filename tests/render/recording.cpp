#include "recording.h"

#include <fontstash.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "sclay.h"
#include "sokol_gfx.h"
#include "sokol_gl.h"

void start_graphics(void) {
    sg_desc gd = {};
    sg_setup(&gd);
    sgl_desc_t gl = {};
    sgl_setup(&gl);
    sclay_setup();
    srec_set_app_metrics(400, 300, 1.0f, 1.0 / 60.0);
    srec_clear();
}

void stop_graphics(void) {
    sclay_shutdown();
    sgl_shutdown();
    sg_shutdown();
    srec_clear();
}

std::vector<srec_call> recorded(void) {
    std::vector<srec_call> log;
    for (int i = 0; i < srec_count(); i++) log.push_back(srec_get(i));
    return log;
}

std::vector<srec_kind> recorded_kinds(void) {
    std::vector<srec_kind> kinds;
    for (const srec_call& c : recorded()) kinds.push_back(c.kind);
    return kinds;
}

std::vector<vec2> strip_at(const std::vector<srec_call>& log, size_t from, size_t* end_index) {
    std::vector<vec2> out;
    size_t i = from;
    while (i < log.size() && log[i].kind != SREC_BEGIN) i++;
    for (i++; i < log.size() && log[i].kind != SREC_END; i++) {
        if (log[i].kind == SREC_VERTEX) out.push_back({log[i].f[0], log[i].f[1]});
    }
    if (end_index) *end_index = i;
    return out;
}

static double cross(vec2 a, vec2 b, vec2 p) {
    return ((double)b.x - a.x) * ((double)p.y - a.y) - ((double)b.y - a.y) * ((double)p.x - a.x);
}

int strip_coverage(const std::vector<vec2>& strip, vec2 p) {
    int n = 0;
    for (size_t k = 0; k + 2 < strip.size(); k++) {
        vec2 a = strip[k], b = strip[k + 1], c = strip[k + 2];
        double area = cross(a, b, c);
        if (std::fabs(area) < 1e-9) continue;
        double s = area > 0 ? 1.0 : -1.0;
        if (s * cross(a, b, p) > 0 && s * cross(b, c, p) > 0 && s * cross(c, a, p) > 0) n++;
    }
    return n;
}

std::string roboto_path(void) {
    return "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf";
}

std::vector<unsigned char> roboto_bytes(void) {
    std::ifstream in(roboto_path(), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}
