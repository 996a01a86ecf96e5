// Ostrelle's own small stand-in for the part of sokol_app that the program
// uses: one window with an OpenGL 4.3 core context, its event loop and
// events, the lifecycle callbacks and a few queries. Runs over GLFW.
#pragma once
#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { SAPP_MAX_MOUSEBUTTONS = 3 };

typedef enum sapp_event_type {
    SAPP_EVENTTYPE_INVALID,
    SAPP_EVENTTYPE_KEY_DOWN,        // 1
    SAPP_EVENTTYPE_KEY_UP,          // 2
    SAPP_EVENTTYPE_CHAR,            // 3
    SAPP_EVENTTYPE_MOUSE_DOWN,      // 4
    SAPP_EVENTTYPE_MOUSE_UP,        // 5
    SAPP_EVENTTYPE_MOUSE_SCROLL,    // 6
    SAPP_EVENTTYPE_MOUSE_MOVE,      // 7
    SAPP_EVENTTYPE_MOUSE_ENTER,
    SAPP_EVENTTYPE_MOUSE_LEAVE,
    SAPP_EVENTTYPE_TOUCHES_BEGAN,
    SAPP_EVENTTYPE_TOUCHES_MOVED,
    SAPP_EVENTTYPE_TOUCHES_ENDED,
    SAPP_EVENTTYPE_TOUCHES_CANCELLED,
    SAPP_EVENTTYPE_RESIZED,
    SAPP_EVENTTYPE_ICONIFIED,
    SAPP_EVENTTYPE_RESTORED,
    SAPP_EVENTTYPE_FOCUSED,
    SAPP_EVENTTYPE_UNFOCUSED,
    SAPP_EVENTTYPE_SUSPENDED,
    SAPP_EVENTTYPE_RESUMED,
    SAPP_EVENTTYPE_QUIT_REQUESTED,
    SAPP_EVENTTYPE_CLIPBOARD_PASTED,
    SAPP_EVENTTYPE_FILES_DROPPED,
    _SAPP_EVENTTYPE_NUM,
} sapp_event_type;

// Key codes follow the key's position on a US keyboard; the values are the
// same as GLFW's.
typedef enum sapp_keycode {
    SAPP_KEYCODE_INVALID = 0,
    SAPP_KEYCODE_SPACE = 32,
    SAPP_KEYCODE_APOSTROPHE = 39,
    SAPP_KEYCODE_COMMA = 44,
    SAPP_KEYCODE_MINUS = 45,
    SAPP_KEYCODE_PERIOD = 46,
    SAPP_KEYCODE_SLASH = 47,
    SAPP_KEYCODE_0 = 48,
    SAPP_KEYCODE_1 = 49,
    SAPP_KEYCODE_2 = 50,
    SAPP_KEYCODE_3 = 51,
    SAPP_KEYCODE_4 = 52,
    SAPP_KEYCODE_5 = 53,
    SAPP_KEYCODE_6 = 54,
    SAPP_KEYCODE_7 = 55,
    SAPP_KEYCODE_8 = 56,
    SAPP_KEYCODE_9 = 57,
    SAPP_KEYCODE_SEMICOLON = 59,
    SAPP_KEYCODE_EQUAL = 61,
    SAPP_KEYCODE_A = 65,
    SAPP_KEYCODE_B = 66,
    SAPP_KEYCODE_C = 67,
    SAPP_KEYCODE_D = 68,
    SAPP_KEYCODE_E = 69,
    SAPP_KEYCODE_F = 70,
    SAPP_KEYCODE_G = 71,
    SAPP_KEYCODE_H = 72,
    SAPP_KEYCODE_I = 73,
    SAPP_KEYCODE_J = 74,
    SAPP_KEYCODE_K = 75,
    SAPP_KEYCODE_L = 76,
    SAPP_KEYCODE_M = 77,
    SAPP_KEYCODE_N = 78,
    SAPP_KEYCODE_O = 79,
    SAPP_KEYCODE_P = 80,
    SAPP_KEYCODE_Q = 81,
    SAPP_KEYCODE_R = 82,
    SAPP_KEYCODE_S = 83,
    SAPP_KEYCODE_T = 84,
    SAPP_KEYCODE_U = 85,
    SAPP_KEYCODE_V = 86,
    SAPP_KEYCODE_W = 87,
    SAPP_KEYCODE_X = 88,
    SAPP_KEYCODE_Y = 89,
    SAPP_KEYCODE_Z = 90,
    SAPP_KEYCODE_LEFT_BRACKET = 91,
    SAPP_KEYCODE_BACKSLASH = 92,
    SAPP_KEYCODE_RIGHT_BRACKET = 93,
    SAPP_KEYCODE_GRAVE_ACCENT = 96,
    SAPP_KEYCODE_ESCAPE = 256,
    SAPP_KEYCODE_ENTER = 257,
    SAPP_KEYCODE_TAB = 258,
    SAPP_KEYCODE_BACKSPACE = 259,
    SAPP_KEYCODE_INSERT = 260,
    SAPP_KEYCODE_DELETE = 261,
    SAPP_KEYCODE_RIGHT = 262,
    SAPP_KEYCODE_LEFT = 263,
    SAPP_KEYCODE_DOWN = 264,
    SAPP_KEYCODE_UP = 265,
    SAPP_KEYCODE_PAGE_UP = 266,
    SAPP_KEYCODE_PAGE_DOWN = 267,
    SAPP_KEYCODE_HOME = 268,
    SAPP_KEYCODE_END = 269,
    SAPP_KEYCODE_CAPS_LOCK = 280,
    SAPP_KEYCODE_SCROLL_LOCK = 281,
    SAPP_KEYCODE_NUM_LOCK = 282,
    SAPP_KEYCODE_PRINT_SCREEN = 283,
    SAPP_KEYCODE_PAUSE = 284,
    SAPP_KEYCODE_F1 = 290,
    SAPP_KEYCODE_F2 = 291,
    SAPP_KEYCODE_F3 = 292,
    SAPP_KEYCODE_F4 = 293,
    SAPP_KEYCODE_F5 = 294,
    SAPP_KEYCODE_F6 = 295,
    SAPP_KEYCODE_F7 = 296,
    SAPP_KEYCODE_F8 = 297,
    SAPP_KEYCODE_F9 = 298,
    SAPP_KEYCODE_F10 = 299,
    SAPP_KEYCODE_F11 = 300,
    SAPP_KEYCODE_F12 = 301,
    SAPP_KEYCODE_KP_0 = 320,
    SAPP_KEYCODE_KP_1 = 321,
    SAPP_KEYCODE_KP_2 = 322,
    SAPP_KEYCODE_KP_3 = 323,
    SAPP_KEYCODE_KP_4 = 324,
    SAPP_KEYCODE_KP_5 = 325,
    SAPP_KEYCODE_KP_6 = 326,
    SAPP_KEYCODE_KP_7 = 327,
    SAPP_KEYCODE_KP_8 = 328,
    SAPP_KEYCODE_KP_9 = 329,
    SAPP_KEYCODE_KP_DECIMAL = 330,
    SAPP_KEYCODE_KP_DIVIDE = 331,
    SAPP_KEYCODE_KP_MULTIPLY = 332,
    SAPP_KEYCODE_KP_SUBTRACT = 333,
    SAPP_KEYCODE_KP_ADD = 334,
    SAPP_KEYCODE_KP_ENTER = 335,
    SAPP_KEYCODE_KP_EQUAL = 336,
    SAPP_KEYCODE_LEFT_SHIFT = 340,
    SAPP_KEYCODE_LEFT_CONTROL = 341,
    SAPP_KEYCODE_LEFT_ALT = 342,
    SAPP_KEYCODE_LEFT_SUPER = 343,
    SAPP_KEYCODE_RIGHT_SHIFT = 344,
    SAPP_KEYCODE_RIGHT_CONTROL = 345,
    SAPP_KEYCODE_RIGHT_ALT = 346,
    SAPP_KEYCODE_RIGHT_SUPER = 347,
    SAPP_KEYCODE_MENU = 348,
} sapp_keycode;

typedef enum sapp_mousebutton {
    SAPP_MOUSEBUTTON_LEFT = 0x0,
    SAPP_MOUSEBUTTON_RIGHT = 0x1,
    SAPP_MOUSEBUTTON_MIDDLE = 0x2,
    SAPP_MOUSEBUTTON_INVALID = 0x100,
} sapp_mousebutton;

enum {
    SAPP_MODIFIER_SHIFT = 0x1,
    SAPP_MODIFIER_CTRL = 0x2,
    SAPP_MODIFIER_ALT = 0x4,
    SAPP_MODIFIER_SUPER = 0x8,
    SAPP_MODIFIER_LMB = 0x100,
    SAPP_MODIFIER_RMB = 0x200,
    SAPP_MODIFIER_MMB = 0x400,
};

typedef struct sapp_event {
    uint64_t frame_count;
    sapp_event_type type;
    sapp_keycode key_code;
    uint32_t char_code;            // code point, 32 and above only
    bool key_repeat;
    uint32_t modifiers;            // SAPP_MODIFIER_* bits
    sapp_mousebutton mouse_button;
    float mouse_x;                 // framebuffer pixels, origin top left
    float mouse_y;
    float mouse_dx;
    float mouse_dy;
    float scroll_x;
    float scroll_y;
    int window_width;
    int window_height;
    int framebuffer_width;
    int framebuffer_height;
} sapp_event;

typedef struct sapp_logger {
    void (*func)(const char* tag, uint32_t log_level, uint32_t log_item_id,
                 const char* message_or_null, uint32_t line_nr,
                 const char* filename_or_null, void* user_data);
    void* user_data;
} sapp_logger;

// Zero in any field selects the default noted beside it.
typedef struct sapp_desc {
    void (*init_cb)(void);
    void (*frame_cb)(void);
    void (*cleanup_cb)(void);
    void (*event_cb)(const sapp_event*);
    void* user_data;
    void (*init_userdata_cb)(void*);
    void (*frame_userdata_cb)(void*);
    void (*cleanup_userdata_cb)(void*);
    void (*event_userdata_cb)(const sapp_event*, void*);
    int width;                  // client area; 0: 640
    int height;                 // 0: 480
    int sample_count;           // 0: 1
    int swap_interval;          // 0: 1, one frame per display refresh
    bool high_dpi;              // ignored: the framebuffer is always logical size
    bool fullscreen;
    bool alpha;
    const char* window_title;   // 0: "sokol"
    bool enable_clipboard;      // not supported
    bool enable_dragndrop;      // not supported
    sapp_logger logger;
    int gl_major_version;       // 0: 4
    int gl_minor_version;       // 0: 3
} sapp_desc;

// Defined by the program; the library's main calls it once.
extern sapp_desc sokol_main(int argc, char* argv[]);

// Runs the application described by desc until it quits (the library's main
// calls this with the result of sokol_main).
void sapp_run(const sapp_desc* desc);

bool sapp_isvalid(void);
int sapp_width(void);           // framebuffer pixels, at least 1
float sapp_widthf(void);
int sapp_height(void);
float sapp_heightf(void);
float sapp_dpi_scale(void);     // always 1.0: high-DPI rendering is off
bool sapp_high_dpi(void);
int sapp_sample_count(void);
int sapp_color_format(void);    // an sg_pixel_format value
int sapp_depth_format(void);
double sapp_frame_duration(void);   // seconds, smoothed
uint64_t sapp_frame_count(void);
void sapp_request_quit(void);   // like closing the window: sends QUIT_REQUESTED
void sapp_cancel_quit(void);    // from the QUIT_REQUESTED event: keep running
void sapp_quit(void);           // ends the loop without a QUIT_REQUESTED event

// This stand-in's own addition. On Windows a modal message box dispatches the
// window's messages by itself; elsewhere code that blocks the main thread
// inside a callback calls this instead, so the window goes on answering (the
// window manager's pings among them). Waits up to timeout_s seconds for window
// messages and hands their events to the event callback; draws no frame.
void sapp_dispatch_events(double timeout_s);

#ifdef __cplusplus
}
#endif
