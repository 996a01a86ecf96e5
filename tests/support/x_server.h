// An Xvfb server of the test's own on a free display; DISPLAY is set in this
// process, so children started afterwards draw on it, with Mesa's software
// renderer on one thread and without a shader cache in the user's home.
#pragma once

#include <string>

#include "child.h"

struct x_server {
    child_process process;
    std::string display;
};

bool start_xvfb(x_server& server);
void stop_xvfb(x_server& server);

// The id of the first window whose name is exactly title, waiting up to timeout_s; 0 when none shows.
unsigned long wait_for_window(const std::string& title, double timeout_s);
