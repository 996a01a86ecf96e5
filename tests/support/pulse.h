// A PulseAudio daemon of the test's own: user mode, no D-Bus, its own
// runtime folder and home, with the null sinks the test asks for. The
// environment variables that lead clients to it are set in this process,
// so children started afterwards use it too.
#pragma once

#include <string>
#include <vector>

#include "child.h"

struct pulse_server {
    child_process daemon;
    std::string root;
};

// Returns false (and stops what it started) when the daemon does not answer.
bool start_pulse(pulse_server& server, const std::vector<std::string>& sink_names);
void stop_pulse(pulse_server& server);

// Plays an endless sine tone of the given frequency and amplitude (0..1) into
// a sink, as signed 16-bit stereo at 48 kHz; stop it with kill_child.
child_process play_tone(const std::string& sink, int frequency_hz, double amplitude);
