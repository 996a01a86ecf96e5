// The one way the core reports a failure: a box, a line on standard output,
// and the end of the process with exit code 1.
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

#include "stream.h"

static std::thread::id main_thread;
static plat_box_pump main_thread_pump;

void note_main_thread() { main_thread = std::this_thread::get_id(); }

void set_error_box_pump(plat_box_pump pump) { main_thread_pump = pump; }

void fatal_error(const char* text)
{
    bool on_main_thread = std::this_thread::get_id() == main_thread;
    plat_error_box(text, on_main_thread ? main_thread_pump : nullptr);
    std::printf("Error: %s\n", text);
    if (on_main_thread) std::exit(1);
    // On the audio thread, exit() would run library destructors (GL driver,
    // display connection) under the main thread's feet while it draws.
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(1);
}
