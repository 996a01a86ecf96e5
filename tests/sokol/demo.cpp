// A tiny program on the sokol stand-in: the 400x300 window "Ostrelle" with a
// few boxes and a line of text. The window tests drive it.
//   --log-events   print every event (one line each) and the lifecycle
//   --frames N     request quit after N frames
//   --seconds S    request quit after S seconds, then report the share of one
//                  core the idle window used after its first half second
#include <fontstash.h>
#include <stdio.h>
#include <sys/resource.h>
#include <time.h>
#include <stdlib.h>
#include <string.h>

#include "sokol_app.h"
#include "sokol_fontstash.h"
#include "sokol_gfx.h"
#include "sokol_gl.h"
#include "sokol_glue.h"
#include "sokol_log.h"
#include "test_graphics.h"


static struct {
    bool log_events;
    long quit_after;
    double quit_seconds;
    double start, cpu_mark, wall_mark;
    uint64_t frame_mark;
    FONScontext* fons;
    int font;
    sgl_pipeline pip;
} demo;

static double wall_now(void) {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + (double)ts.tv_nsec * 1e-9;
}

static double cpu_now(void) {
    rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    return (double)(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
           (double)(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) * 1e-6;
}

static void box(float x, float y, float w, float h) {
    sgl_begin_triangle_strip();
    sgl_v2f(x, y);
    sgl_v2f(x + w, y);
    sgl_v2f(x, y + h);
    sgl_v2f(x + w, y + h);
    sgl_end();
}

static void init(void) {
    test_graphics g = setup_test_graphics();
    demo.pip = g.blend;
    demo.fons = g.fons;
    demo.font = g.font;
    if (demo.log_events) printf("init font=%d\n", demo.font);
    demo.start = wall_now();
    fflush(stdout);
}

static void frame(void) {
    sg_pass pass = {};
    pass.swapchain = sglue_swapchain();
    sg_begin_pass(&pass);
    float w = sapp_widthf(), h = sapp_heightf();
    sgl_matrix_mode_modelview();
    sgl_load_identity();
    sgl_translate(-1.0f, 1.0f, 0.0f);
    sgl_scale(2.0f / w, -2.0f / h, 1.0f);
    sgl_disable_texture();
    sgl_push_pipeline();
    sgl_load_pipeline(demo.pip);
    sgl_c4f(1.0f, 1.0f, 1.0f, 1.0f);
    box(10, 10, w - 20, h - 20);
    sgl_c4f(0.0f, 0.0f, 1.0f, 1.0f);
    box(40, 120, 120, 80);
    sgl_c4f(1.0f, 0.0f, 0.0f, 0.5f);
    box(100, 150, 120, 80);
    fonsSetFont(demo.fons, demo.font);
    fonsSetSize(demo.fons, 20.0f);
    fonsSetColor(demo.fons, sfons_rgba(0, 0, 0, 255));
    fonsSetAlign(demo.fons, FONS_ALIGN_LEFT | FONS_ALIGN_TOP);
    fonsDrawText(demo.fons, 30, 30, "Ostrelle 192.168.1.20", nullptr);
    sgl_c4f(0.0f, 0.6f, 0.0f, 1.0f);
    box(260, 120, 100, 60);
    sgl_pop_pipeline();
    sfons_flush(demo.fons);
    sgl_draw();
    sg_end_pass();
    sg_commit();
    if (demo.quit_after > 0 && (long)sapp_frame_count() + 1 >= demo.quit_after) sapp_request_quit();
    if (demo.quit_seconds > 0.0) {
        double now = wall_now();
        if (demo.wall_mark == 0.0 && now - demo.start >= 0.5) {
            demo.wall_mark = now;
            demo.cpu_mark = cpu_now();
            demo.frame_mark = sapp_frame_count();
        }
        if (now - demo.start >= demo.quit_seconds) sapp_request_quit();
    }
}

static void event(const sapp_event* e) {
    if (!demo.log_events) return;
    printf("event type=%d key=%d char=%u repeat=%d mods=%u button=%d x=%.0f y=%.0f sx=%.1f sy=%.1f fb=%dx%d\n",
           (int)e->type, (int)e->key_code, e->char_code, e->key_repeat ? 1 : 0, e->modifiers,
           (int)e->mouse_button, e->mouse_x, e->mouse_y, e->scroll_x, e->scroll_y, e->framebuffer_width,
           e->framebuffer_height);
    fflush(stdout);
}

static void cleanup(void) {
    sfons_destroy(demo.fons);
    sgl_destroy_pipeline(demo.pip);
    sgl_shutdown();
    sg_shutdown();
    printf("cleanup frames=%llu\n", (unsigned long long)sapp_frame_count());
    if (demo.wall_mark > 0.0) {
        double wall = wall_now() - demo.wall_mark;
        printf("idle cpu_share=%.4f fps=%.2f\n", (cpu_now() - demo.cpu_mark) / wall,
               (double)(sapp_frame_count() - demo.frame_mark) / wall);
    }
    fflush(stdout);
}

sapp_desc sokol_main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--log-events") == 0) demo.log_events = true;
        if (strcmp(argv[i], "--frames") == 0 && i + 1 < argc) demo.quit_after = atol(argv[++i]);
        if (strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) demo.quit_seconds = atof(argv[++i]);
    }
    sapp_desc d = {};
    d.init_cb = init;
    d.frame_cb = frame;
    d.cleanup_cb = cleanup;
    d.event_cb = event;
    d.width = 400;
    d.height = 300;
    d.window_title = "Ostrelle";
    d.logger.func = slog_func;
    return d;
}
