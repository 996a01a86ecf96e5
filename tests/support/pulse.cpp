#include "pulse.h"

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>

bool start_pulse(pulse_server& server, const std::vector<std::string>& sink_names)
{
    server.root = make_temp_dir("pulse");
    std::string runtime = server.root + "/run";
    std::string home = server.root + "/home";
    mkdir(runtime.c_str(), 0700);
    mkdir(home.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("HOME", home.c_str(), 1);
    unsetenv("PULSE_SERVER");

    std::vector<std::string> argv = {"pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
                                     "--load=module-native-protocol-unix"};
    for (const auto& sink : sink_names)
        argv.push_back("--load=module-null-sink sink_name=" + sink + " sink_properties=device.description=" + sink);
    server.daemon = spawn_child(argv);
    for (int i = 0; i < 200; ++i) {
        child_process probe = spawn_child({"pactl", "info"});
        if (wait_child(probe, 5.0).exit_code == 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    stop_pulse(server);
    return false;
}

void stop_pulse(pulse_server& server) { kill_child(server.daemon); }

child_process play_tone(const std::string& sink, int frequency_hz, double amplitude)
{
    std::string command = "sox -D -q -n -t raw -r 48000 -e signed -b 16 -c 2 - synth 3600 sine " +
                          std::to_string(frequency_hz) + " vol " + std::to_string(amplitude) +
                          " | pacat --raw --device=" + sink + " --format=s16le --rate=48000 --channels=2";
    return spawn_child({"sh", "-c", command});
}
