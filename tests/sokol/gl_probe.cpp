// Draws known scenes through the sokol stand-in in a real window and reads
// the pixels back from the framebuffer. Run under Xvfb (with_xvfb.sh).
//   gl_probe pixels   one scene per frame, checked pixel by pixel
//   gl_probe pacing   counts frames over 3 s against the display refresh
#include <epoxy/gl.h>
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <fontstash.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "sokol_app.h"
#include "sokol_fontstash.h"
#include "sokol_gfx.h"
#include "sokol_gl.h"
#include "sokol_glue.h"
#include "sokol_log.h"
#include "test_graphics.h"

namespace {


struct rgb { int r, g, b; };

struct probe_state {
    bool pacing;
    int passed, failed;
    int scene;
    sgl_pipeline blend;
    FONScontext* fons;
    int font;
    double pace_start;
    long pace_frames;
} probe;

double now_seconds() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + (double)ts.tv_nsec * 1e-9;
}

void check(bool ok, const char* what) {
    printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
    ok ? probe.passed++ : probe.failed++;
}

// Pixel in window coordinates, origin top left.
rgb pixel(int x, int y) {
    unsigned char p[4];
    glReadPixels(x, sapp_height() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

void check_pixel(int x, int y, rgb want, const char* what) {
    rgb got = pixel(x, y);
    bool ok = abs(got.r - want.r) <= 2 && abs(got.g - want.g) <= 2 && abs(got.b - want.b) <= 2;
    char text[200];
    snprintf(text, sizeof text, "%s: (%d,%d) is %d,%d,%d, want %d,%d,%d", what, x, y, got.r, got.g, got.b,
             want.r, want.g, want.b);
    check(ok, text);
}

void box(float x, float y, float w, float h) {
    sgl_begin_triangle_strip();
    sgl_v2f(x, y);
    sgl_v2f(x + w, y);
    sgl_v2f(x, y + h);
    sgl_v2f(x + w, y + h);
    sgl_end();
}

// Window pixels as sokol_gl units: (0, 0) top left.
void pixel_space() {
    sgl_matrix_mode_modelview();
    sgl_load_identity();
    sgl_translate(-1.0f, 1.0f, 0.0f);
    sgl_scale(2.0f / sapp_widthf(), -2.0f / sapp_heightf(), 1.0f);
}

void text(float x, float y, const char* s) {
    fonsSetFont(probe.fons, probe.font);
    fonsSetSize(probe.fons, 20.0f);
    fonsSetColor(probe.fons, sfons_rgba(0, 0, 0, 255));
    fonsSetAlign(probe.fons, FONS_ALIGN_LEFT | FONS_ALIGN_TOP);
    fonsDrawText(probe.fons, x, y, s, nullptr);
}

const rgb grey = {128, 128, 128}, white = {255, 255, 255};

void scene_clear() { check_pixel(200, 150, grey, "default pass clears to grey 0.5"); }

void scene_blend() {
    sgl_push_pipeline();
    sgl_load_pipeline(probe.blend);
    sgl_c4f(0.0f, 0.0f, 1.0f, 1.0f);
    box(50, 50, 100, 100);
    sgl_c4f(1.0f, 0.0f, 0.0f, 0.5f);
    box(100, 100, 100, 100);
    sgl_pop_pipeline();
    sgl_c4f(1.0f, 0.0f, 0.0f, 0.5f);   // default pipeline: no blending
    box(250, 50, 50, 50);
    sgl_draw();
    check_pixel(75, 75, {0, 0, 255}, "opaque strip");
    check_pixel(125, 125, {128, 0, 128}, "translucent strip blended over the opaque one");
    check_pixel(175, 175, {191, 64, 64}, "translucent strip blended over the clear colour");
    check_pixel(275, 75, {255, 0, 0}, "after the pop the default pipeline does not blend");
}

void scene_scissor() {
    sgl_scissor_rectf(100.0f, 50.0f, 100.0f, 100.0f, true);
    sgl_c4f(1.0f, 1.0f, 1.0f, 1.0f);
    box(0, 0, 400, 300);
    sgl_scissor_rectf(0.0f, 0.0f, 400.0f, 300.0f, true);
    sgl_c4f(0.0f, 1.0f, 0.0f, 1.0f);
    box(300, 250, 50, 40);
    sgl_draw();
    check_pixel(150, 100, white, "inside the scissor rectangle");
    check_pixel(100, 50, white, "scissor top-left corner pixel is inside");
    check_pixel(199, 149, white, "scissor bottom-right corner pixel is inside");
    check_pixel(99, 100, grey, "left of the scissor rectangle");
    check_pixel(200, 100, grey, "right of the scissor rectangle");
    check_pixel(150, 49, grey, "above the scissor rectangle (origin top left)");
    check_pixel(150, 150, grey, "below the scissor rectangle");
    check_pixel(320, 270, {0, 255, 0}, "a whole-window scissor draws everywhere again");
}

void scene_text_then_strip() {
    sgl_c4f(1.0f, 1.0f, 1.0f, 1.0f);
    box(0, 0, 400, 300);
    text(20, 20, "Ostrelle");
    sgl_c4f(0.0f, 1.0f, 0.0f, 1.0f);
    box(200, 100, 100, 50);
    sfons_flush(probe.fons);
    sgl_draw();
    for (int y = 100; y < 150; y += 7) {
        for (int x = 200; x < 300; x += 13) {
            rgb p = pixel(x, y);
            if (p.r != 0 || p.g != 255 || p.b != 0) {
                check_pixel(x, y, {0, 255, 0}, "strip after text is untextured");
                return;
            }
        }
    }
    check(true, "strip after text is untextured: solid green");
}

// Text of size 20 at (100, 200), aligned left and top, lands in the box
// that fontstash measures for it, and nowhere else.
void scene_text_position() {
    sgl_c4f(1.0f, 1.0f, 1.0f, 1.0f);
    box(0, 0, 400, 300);
    text(100, 200, "Hello 42");
    float bounds[4];
    float advance = fonsTextBounds(probe.fons, 100, 200, "Hello 42", nullptr, bounds);
    sfons_flush(probe.fons);
    sgl_draw();
    int minx = 1000, miny = 1000, maxx = -1, maxy = -1, dark = 0;
    for (int y = 0; y < 300; y++) {
        for (int x = 0; x < 400; x++) {
            if (pixel(x, y).r < 128) {
                minx = x < minx ? x : minx, maxx = x > maxx ? x : maxx;
                miny = y < miny ? y : miny, maxy = y > maxy ? y : maxy;
                dark++;
            }
        }
    }
    printf("text ink box x %d..%d y %d..%d, %d dark pixels, advance %.1f\n", minx, maxx, miny, maxy, dark,
           advance);
    check(dark > 100, "text leaves ink");
    check(minx >= 100 && minx <= 103, "text starts at x 100");
    check(maxx <= 100 + advance + 1 && maxx >= 100 + advance - 8, "text ends where its advance says");
    check(miny >= 200 && miny <= 206, "text top is at y 200 (cap height below the ascender)");
    check(maxy <= 220, "text stays within its 20-pixel line");
}

// Default capacity: 65,536 vertices. A box that still fits is drawn, the
// one past capacity is not, and the next frame draws normally again.
void scene_vertex_capacity(bool overflow) {
    sgl_c4f(1.0f, 1.0f, 1.0f, 1.0f);
    if (overflow) {
        sgl_begin_triangle_strip();
        for (int i = 0; i < 65536 - 4; i++) sgl_v2f(0.0f, 0.0f);
        sgl_end();
    }
    box(50, 50, 50, 50);
    sgl_c4f(1.0f, 0.0f, 0.0f, 1.0f);
    box(200, 50, 50, 50);
    sgl_error_t err = sgl_error();
    sgl_draw();
    if (overflow) {
        check(err.vertices_full, "vertex overflow is reported");
        check_pixel(75, 75, white, "last box that fits the vertex capacity is drawn");
        check_pixel(225, 75, grey, "box past the vertex capacity is not drawn");
    } else {
        check(!err.any, "the next frame starts without errors");
        check_pixel(225, 75, {255, 0, 0}, "the next frame draws normally");
    }
}

// Default capacity: 16,384 commands.
void scene_command_capacity() {
    sgl_c4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (int i = 0; i < 16384 - 1; i++) {
        sgl_begin_triangles();
        sgl_v2f(0.0f, 0.0f);
        sgl_end();
    }
    box(50, 50, 50, 50);
    box(200, 50, 50, 50);
    sgl_error_t err = sgl_error();
    sgl_draw();
    check(err.commands_full, "command overflow is reported");
    check_pixel(75, 75, white, "last command that fits is drawn");
    check_pixel(225, 75, grey, "command past the capacity is not drawn");
}

void init() {
    test_graphics g = setup_test_graphics();
    probe.blend = g.blend;
    probe.fons = g.fons;
    probe.font = g.font;
    check(probe.font >= 0, "font loads");
    probe.pace_start = now_seconds();
}

void frame() {
    sg_pass pass = {};
    pass.swapchain = sglue_swapchain();
    sg_begin_pass(&pass);
    pixel_space();
    sgl_disable_texture();
    if (probe.pacing) {
        sgl_c4f(1.0f, 1.0f, 1.0f, 1.0f);
        box(10, 10, 100, 100);
        sgl_draw();
        probe.pace_frames++;
        if (now_seconds() - probe.pace_start >= 3.0) sapp_request_quit();
    } else {
        // Scenes start at the third frame, once the window is mapped.
        switch (probe.scene++) {
            case 2: scene_clear(); break;
            case 3: scene_blend(); break;
            case 4: scene_scissor(); break;
            case 5: scene_text_then_strip(); break;
            case 6: scene_text_position(); break;
            case 7: scene_vertex_capacity(true); break;
            case 8: scene_vertex_capacity(false); break;
            case 9: scene_command_capacity(); break;
            case 10:
                check(glGetError() == GL_NO_ERROR, "no GL error was raised");
                sapp_request_quit();
                break;
            default: sgl_draw(); break;
        }
    }
    sg_end_pass();
    sg_commit();
}

void cleanup() {
    if (probe.pacing) {
        double secs = now_seconds() - probe.pace_start;
        const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
        double refresh = mode && mode->refreshRate > 0 ? mode->refreshRate : 60.0;
        double fps = probe.pace_frames / secs;
        printf("%.1f frames/s over %.2f s, display refresh %.0f Hz, frame duration %.4f s\n", fps, secs,
               refresh, sapp_frame_duration());
        // Unpaced, the loop runs at well over a thousand frames per second.
        check(fps > 0.6 * refresh && fps < 1.1 * refresh, "frame rate lies near the display refresh");
        check(fabs(sapp_frame_duration() - 1.0 / refresh) < 0.25 / refresh,
              "sapp_frame_duration matches the paced frame time");
    }
    sfons_destroy(probe.fons);
    sgl_destroy_pipeline(probe.blend);
    sgl_shutdown();
    sg_shutdown();
    printf("%d passed, %d failed\n", probe.passed, probe.failed);
    fflush(stdout);
    exit(probe.failed == 0 && probe.passed > 0 ? 0 : 1);
}

}  // namespace

sapp_desc sokol_main(int argc, char* argv[]) {
    probe.pacing = argc > 1 && strcmp(argv[1], "pacing") == 0;
    sapp_desc d = {};
    d.init_cb = init;
    d.frame_cb = frame;
    d.cleanup_cb = cleanup;
    d.width = 400;
    d.height = 300;
    d.window_title = "Ostrelle";
    d.logger.func = slog_func;
    return d;
}
