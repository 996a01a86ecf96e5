#include "x_server.h"

#include <chrono>
#include <cstdlib>
#include <thread>

bool start_xvfb(x_server& server)
{
    // -displayfd 1: the server picks a free display and writes its number to
    // standard output. -noreset: without it the server resets when its last
    // client leaves, and a program started right then cannot connect.
    server.process = spawn_child({"Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    for (int i = 0; i < 200; ++i) {
        std::string out = read_file(server.process.out_path);
        if (!out.empty() && out.back() == '\n') {
            server.display = ":" + out.substr(0, out.size() - 1);
            setenv("DISPLAY", server.display.c_str(), 1);
            setenv("LP_NUM_THREADS", "1", 1);
            setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    stop_xvfb(server);
    return false;
}

void stop_xvfb(x_server& server) { kill_child(server.process); }

unsigned long wait_for_window(const std::string& title, double timeout_s)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout_s);
    while (std::chrono::steady_clock::now() < deadline) {
        std::string out = run_shell("xdotool search --name '^" + title + "$' 2>/dev/null");
        if (!out.empty()) return std::strtoul(out.c_str(), nullptr, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
}
