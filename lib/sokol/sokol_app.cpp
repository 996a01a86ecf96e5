// The sokol_app stand-in over GLFW: window, GL context, event loop, events
// and frame pacing.
#include "sokol_app.h"

#include "gl_api.h"
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "app_pacing.h"
#include "sokol_gfx.h"

namespace {

struct app_state {
    sapp_desc desc;
    GLFWwindow* window;
    bool valid;
    bool init_done;
    bool quit_requested;
    bool quit_ordered;
    int fb_width, fb_height, win_width, win_height;
    uint64_t frame_count;
    float mouse_x, mouse_y;
    uint32_t modifiers;
    app_pacer pacer;
    char glfw_error[512];
};

app_state app;

void glfw_error_callback(int code, const char* description) {
    (void)code;
    snprintf(app.glfw_error, sizeof app.glfw_error, "%s", description ? description : "unknown error");
}

// A window that cannot be had is a clear, non-zero exit, never a crash.
[[noreturn]] void fail(const char* what) {
    fprintf(stderr, "sokol_app: %s: %s\n", what, app.glfw_error[0] ? app.glfw_error : "unknown error");
    fflush(stderr);
    exit(1);
}

void call_init() {
    if (app.desc.init_cb) app.desc.init_cb();
    else if (app.desc.init_userdata_cb) app.desc.init_userdata_cb(app.desc.user_data);
    app.init_done = true;
}

void call_frame() {
    if (app.desc.frame_cb) app.desc.frame_cb();
    else if (app.desc.frame_userdata_cb) app.desc.frame_userdata_cb(app.desc.user_data);
}

void call_cleanup() {
    if (app.desc.cleanup_cb) app.desc.cleanup_cb();
    else if (app.desc.cleanup_userdata_cb) app.desc.cleanup_userdata_cb(app.desc.user_data);
}

sapp_event new_event(sapp_event_type type) {
    sapp_event e = {};
    e.frame_count = app.frame_count;
    e.type = type;
    e.mouse_button = SAPP_MOUSEBUTTON_INVALID;
    e.modifiers = app.modifiers;
    e.mouse_x = app.mouse_x;
    e.mouse_y = app.mouse_y;
    e.window_width = app.win_width;
    e.window_height = app.win_height;
    e.framebuffer_width = app.fb_width;
    e.framebuffer_height = app.fb_height;
    return e;
}

void send(const sapp_event* e) {
    if (!app.init_done) return;
    if (app.desc.event_cb) app.desc.event_cb(e);
    else if (app.desc.event_userdata_cb) app.desc.event_userdata_cb(e, app.desc.user_data);
}

uint32_t key_modifiers(int mods) {
    uint32_t m = 0;
    if (mods & GLFW_MOD_SHIFT) m |= SAPP_MODIFIER_SHIFT;
    if (mods & GLFW_MOD_CONTROL) m |= SAPP_MODIFIER_CTRL;
    if (mods & GLFW_MOD_ALT) m |= SAPP_MODIFIER_ALT;
    if (mods & GLFW_MOD_SUPER) m |= SAPP_MODIFIER_SUPER;
    return m;
}

void set_key_modifiers(int mods) {
    app.modifiers = (app.modifiers & ~0xFu) | key_modifiers(mods);
}

void on_key(GLFWwindow*, int key, int, int action, int mods) {
    set_key_modifiers(mods);
    sapp_event e = new_event(action == GLFW_RELEASE ? SAPP_EVENTTYPE_KEY_UP : SAPP_EVENTTYPE_KEY_DOWN);
    // GLFW's key codes are sokol's.
    e.key_code = key == GLFW_KEY_UNKNOWN ? SAPP_KEYCODE_INVALID : (sapp_keycode)key;
    e.key_repeat = action == GLFW_REPEAT;
    send(&e);
}

void on_char(GLFWwindow*, unsigned int codepoint) {
    if (codepoint < 32) return;
    sapp_event e = new_event(SAPP_EVENTTYPE_CHAR);
    e.char_code = codepoint;
    send(&e);
}

void on_mouse_button(GLFWwindow*, int button, int action, int mods) {
    set_key_modifiers(mods);
    sapp_mousebutton b = SAPP_MOUSEBUTTON_INVALID;
    uint32_t bit = 0;
    if (button == GLFW_MOUSE_BUTTON_LEFT) b = SAPP_MOUSEBUTTON_LEFT, bit = SAPP_MODIFIER_LMB;
    if (button == GLFW_MOUSE_BUTTON_RIGHT) b = SAPP_MOUSEBUTTON_RIGHT, bit = SAPP_MODIFIER_RMB;
    if (button == GLFW_MOUSE_BUTTON_MIDDLE) b = SAPP_MOUSEBUTTON_MIDDLE, bit = SAPP_MODIFIER_MMB;
    bool down = action == GLFW_PRESS;
    // The modifier bits describe the buttons held when the event happened.
    if (down) app.modifiers |= bit;
    sapp_event e = new_event(down ? SAPP_EVENTTYPE_MOUSE_DOWN : SAPP_EVENTTYPE_MOUSE_UP);
    e.mouse_button = b;
    if (!down) app.modifiers &= ~bit;
    send(&e);
}

void on_cursor_pos(GLFWwindow*, double x, double y) {
    float dx = (float)x - app.mouse_x, dy = (float)y - app.mouse_y;
    app.mouse_x = (float)x;
    app.mouse_y = (float)y;
    sapp_event e = new_event(SAPP_EVENTTYPE_MOUSE_MOVE);
    e.mouse_dx = dx;
    e.mouse_dy = dy;
    send(&e);
}

void on_scroll(GLFWwindow*, double x, double y) {
    sapp_event e = new_event(SAPP_EVENTTYPE_MOUSE_SCROLL);
    e.scroll_x = (float)x;
    e.scroll_y = (float)y;
    send(&e);
}

void on_enter(GLFWwindow*, int entered) {
    sapp_event e = new_event(entered ? SAPP_EVENTTYPE_MOUSE_ENTER : SAPP_EVENTTYPE_MOUSE_LEAVE);
    send(&e);
}

void update_sizes() {
    glfwGetFramebufferSize(app.window, &app.fb_width, &app.fb_height);
    glfwGetWindowSize(app.window, &app.win_width, &app.win_height);
    if (app.fb_width < 1) app.fb_width = 1;
    if (app.fb_height < 1) app.fb_height = 1;
}

void on_framebuffer_size(GLFWwindow*, int, int) {
    int w = app.fb_width, h = app.fb_height;
    update_sizes();
    if (w == app.fb_width && h == app.fb_height) return;
    sapp_event e = new_event(SAPP_EVENTTYPE_RESIZED);
    send(&e);
}

void on_focus(GLFWwindow*, int focused) {
    sapp_event e = new_event(focused ? SAPP_EVENTTYPE_FOCUSED : SAPP_EVENTTYPE_UNFOCUSED);
    send(&e);
}

void on_iconify(GLFWwindow*, int iconified) {
    sapp_event e = new_event(iconified ? SAPP_EVENTTYPE_ICONIFIED : SAPP_EVENTTYPE_RESTORED);
    send(&e);
}

// Asks the program first: it may cancel the quit from its event callback.
void handle_quit_request() {
    app.quit_requested = true;
    sapp_event e = new_event(SAPP_EVENTTYPE_QUIT_REQUESTED);
    send(&e);
    if (app.quit_requested) app.quit_ordered = true;
    else glfwSetWindowShouldClose(app.window, GLFW_FALSE);
}

void on_close(GLFWwindow*) { handle_quit_request(); }

sapp_desc with_defaults(const sapp_desc* d) {
    sapp_desc r = *d;
    if (r.width <= 0) r.width = 640;
    if (r.height <= 0) r.height = 480;
    if (r.sample_count <= 0) r.sample_count = 1;
    if (r.swap_interval <= 0) r.swap_interval = 1;
    if (!r.window_title) r.window_title = "sokol";
    if (r.gl_major_version <= 0) {
        r.gl_major_version = 4;
        r.gl_minor_version = 3;
    }
    return r;
}

#ifdef _WIN32
// High-DPI off: the process declares itself DPI-unaware, so a scaled display
// enlarges the window. GLFW would declare it aware in glfwInit; the first
// declaration is the one that holds.
void declare_dpi_unaware() {
    using set_context_fn = BOOL(WINAPI*)(HANDLE);
    auto set_context = reinterpret_cast<set_context_fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    if (set_context) set_context(reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)));  // DPI_AWARENESS_CONTEXT_UNAWARE
}
#else
void declare_dpi_unaware() {}
#endif

void open_window() {
    glfwSetErrorCallback(glfw_error_callback);
    declare_dpi_unaware();
    if (!glfwInit()) fail("cannot open a window (no display?)");
    glfwWindowHint(GLFW_CLIENT_API, GLFW_OPENGL_API);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, app.desc.gl_major_version);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, app.desc.gl_minor_version);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    glfwWindowHint(GLFW_SCALE_TO_MONITOR, GLFW_FALSE);   // high-DPI off
    glfwWindowHint(GLFW_SAMPLES, app.desc.sample_count > 1 ? app.desc.sample_count : 0);
    glfwWindowHint(GLFW_ALPHA_BITS, app.desc.alpha ? 8 : 0);
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 8);
    GLFWmonitor* monitor = nullptr;
    int w = app.desc.width, h = app.desc.height;
    if (app.desc.fullscreen) {
        monitor = glfwGetPrimaryMonitor();
        const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
        if (mode) w = mode->width, h = mode->height;
    }
    app.window = glfwCreateWindow(w, h, app.desc.window_title, monitor, nullptr);
    if (!app.window) {
        glfwTerminate();
        fail("cannot create the window and its OpenGL context");
    }
    glfwMakeContextCurrent(app.window);
    gl_api_load(reinterpret_cast<void* (*)(const char*)>(glfwGetProcAddress));
    glfwSwapInterval(app.desc.swap_interval);
    glfwSetKeyCallback(app.window, on_key);
    glfwSetCharCallback(app.window, on_char);
    glfwSetMouseButtonCallback(app.window, on_mouse_button);
    glfwSetCursorPosCallback(app.window, on_cursor_pos);
    glfwSetScrollCallback(app.window, on_scroll);
    glfwSetCursorEnterCallback(app.window, on_enter);
    glfwSetFramebufferSizeCallback(app.window, on_framebuffer_size);
    glfwSetWindowFocusCallback(app.window, on_focus);
    glfwSetWindowIconifyCallback(app.window, on_iconify);
    glfwSetWindowCloseCallback(app.window, on_close);
    update_sizes();
}

double refresh_rate() {
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    return mode && mode->refreshRate > 0 ? (double)mode->refreshRate : 60.0;
}

double now_seconds() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + (double)ts.tv_nsec * 1e-9;
}

void sleep_seconds(double s) {
    timespec ts;
    ts.tv_sec = (time_t)s;
    ts.tv_nsec = (long)((s - (double)ts.tv_sec) * 1e9);
    while (nanosleep(&ts, &ts) != 0) {
    }
}

}  // namespace

void sapp_run(const sapp_desc* desc) {
    app = app_state{};
    app.desc = with_defaults(desc);
    open_window();
    app.valid = true;
    pacer_start(&app.pacer, app.desc.swap_interval / refresh_rate(), now_seconds());
    call_init();
    while (!app.quit_ordered) {
        call_frame();
        app.frame_count++;
        double swap_start = now_seconds();
        glfwSwapBuffers(app.window);
        double wait = pacer_after_swap(&app.pacer, swap_start, now_seconds());
        if (wait > 0.0) sleep_seconds(wait);
        pacer_frame_done(&app.pacer, now_seconds());
        glfwPollEvents();
        if (app.quit_requested && !app.quit_ordered) handle_quit_request();
    }
    call_cleanup();
    app.valid = false;
    glfwDestroyWindow(app.window);
    glfwTerminate();
    app.window = nullptr;
}

bool sapp_isvalid(void) { return app.valid; }
int sapp_width(void) { return app.fb_width > 0 ? app.fb_width : 1; }
float sapp_widthf(void) { return (float)sapp_width(); }
int sapp_height(void) { return app.fb_height > 0 ? app.fb_height : 1; }
float sapp_heightf(void) { return (float)sapp_height(); }
float sapp_dpi_scale(void) { return 1.0f; }
bool sapp_high_dpi(void) { return false; }
int sapp_sample_count(void) { return app.desc.sample_count > 0 ? app.desc.sample_count : 1; }
int sapp_color_format(void) { return SG_PIXELFORMAT_RGBA8; }
int sapp_depth_format(void) { return SG_PIXELFORMAT_DEPTH_STENCIL; }
double sapp_frame_duration(void) { return pacer_frame_duration(&app.pacer); }
uint64_t sapp_frame_count(void) { return app.frame_count; }
void sapp_request_quit(void) { app.quit_requested = true; }
void sapp_cancel_quit(void) { app.quit_requested = false; }
void sapp_quit(void) { app.quit_ordered = true; }

// A quit asked for meanwhile is only recorded; the loop acts on it once the
// blocked callback has returned.
void sapp_dispatch_events(double timeout_s) {
    if (app.window) glfwWaitEventsTimeout(timeout_s);
    else sleep_seconds(timeout_s);
}
