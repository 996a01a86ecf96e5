// A sound server of the test's own that speaks the PulseAudio protocol, with
// the null sinks the test asks for: the PulseAudio daemon, or PipeWire with
// its session manager and its PulseAudio service. OSTRELLE_SOUND_SERVER
// chooses ("pulseaudio", the default, or "pipewire"). Either runs in user
// mode with its own runtime folder and home; PipeWire also gets a D-Bus
// session of its own, without which its session manager does not start. The
// environment variables that lead clients to it are set in this process, so
// children started afterwards use it too.
#pragma once

#include <string>
#include <vector>

#include "child.h"

struct server_process {
    std::string program;
    child_process child;
};

struct pulse_server {
    std::vector<server_process> processes;  // in the order started
    std::string root;
};

// The server start_pulse starts, as OSTRELLE_SOUND_SERVER names it.
std::string sound_server();

// Returns once exactly the named sinks are listed and one of them is the
// default (never, under PipeWire, for no sink: it lists a Dummy Output then).
// Returns false, says why on standard error and stops what it
// started, when the server does not come up. A server that was stopped
// starts again in the same folders, where its earlier clients find it.
bool start_pulse(pulse_server& server, const std::vector<std::string>& sink_names);
void stop_pulse(pulse_server& server);
// Unloads the module that made the sink, as unplugging an output does.
bool remove_sink(const std::string& sink);

// Plays an endless sine tone of the given frequency and amplitude (0..1) into
// a sink, as signed 16-bit stereo at 48 kHz; stop it with kill_child.
child_process play_tone(const std::string& sink, int frequency_hz, double amplitude);
