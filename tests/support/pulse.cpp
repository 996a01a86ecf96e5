#include "pulse.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

child_result pactl(const std::vector<std::string>& args)
{
    std::vector<std::string> argv = {"pactl"};
    argv.insert(argv.end(), args.begin(), args.end());
    child_process p = spawn_child(argv);
    return wait_child(p, 10.0);
}

std::string first_line(const std::string& text) { return text.substr(0, text.find('\n')); }

std::vector<std::string> listed_sinks()
{
    std::vector<std::string> names;
    std::istringstream in(pactl({"list", "short", "sinks"}).out);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string index, name;
        if (fields >> index >> name) names.push_back(name);
    }
    return names;
}

// Exactly the wanted sinks, one of them the default. PipeWire lists its
// "Dummy Output" until a real sink replaces it, and it is its session manager
// that picks the default: the same one that links a capture to its monitor.
bool sinks_ready(std::vector<std::string> wanted)
{
    std::vector<std::string> listed = listed_sinks();
    std::ranges::sort(listed);
    std::ranges::sort(wanted);
    if (listed != wanted) return false;
    return wanted.empty() || std::ranges::binary_search(wanted, first_line(pactl({"get-default-sink"}).out));
}

template <typename F> bool wait_until(F ready, double timeout_s)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout_s);
    while (!ready()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

bool spawn_into(pulse_server& server, const std::vector<std::string>& argv, const std::vector<std::string>& env = {})
{
    server.processes.push_back({argv[0], spawn_child(argv, env)});
    return server.processes.back().child.pid > 0;
}

bool accepts_connections(const std::string& socket_path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (socket_path.size() >= sizeof address.sun_path) return false;
    socket_path.copy(address.sun_path, socket_path.size());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

bool start_processes(pulse_server& server, const std::string& which)
{
    if (which == "pulseaudio")
        return spawn_into(server, {"pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
                                   "--load=module-native-protocol-unix"});
    if (!spawn_into(server, {"dbus-daemon", "--session", "--nofork", "--print-address=1",
                             "--address=unix:path=" + server.root + "/bus"}))
        return false;
    // The bus prints its address once it listens.
    std::string address;
    const std::string printed = server.processes.back().child.out_path;
    if (!wait_until([&] { return (address = read_file(printed)).ends_with('\n'); }, 10)) return false;
    // The session manager leaves the machine's own sound cards, cameras and
    // Bluetooth devices alone: the test's sinks are all it should see.
    std::string config = server.root + "/config";
    for (const char* dir : {"", "/wireplumber", "/wireplumber/main.lua.d", "/wireplumber/bluetooth.lua.d"})
        mkdir((config + dir).c_str(), 0700);
    write_file(config + "/wireplumber/main.lua.d/60-test-devices.lua",
               "alsa_monitor.enabled = false\nv4l2_monitor.enabled = false\nlibcamera_monitor.enabled = false\n");
    write_file(config + "/wireplumber/bluetooth.lua.d/60-test-devices.lua", "bluez_monitor.enabled = false\n");
    std::vector<std::string> env = {"DBUS_SESSION_BUS_ADDRESS=" + first_line(address),
                                    "XDG_CONFIG_HOME=" + config,
                                    "XDG_STATE_HOME=" + server.root + "/home/.local/state"};
    // The session manager gives up at once when PipeWire does not answer yet.
    return spawn_into(server, {"pipewire"}, env) &&
           wait_until([&] { return accepts_connections(server.root + "/run/pipewire-0"); }, 10) &&
           spawn_into(server, {"wireplumber"}, env) && spawn_into(server, {"pipewire-pulse"}, env);
}

// What the server calls itself in `pactl info`.
bool answers_as(const std::string& info, const std::string& which)
{
    const std::string key = "Server Name: ";
    auto at = info.find(key);
    if (at == std::string::npos) return false;
    std::string name = first_line(info.substr(at + key.size()));
    return which == "pipewire" ? name.find("on PipeWire") != std::string::npos : name == "pulseaudio";
}

std::string why_not_up(const std::string& which)
{
    child_result info = pactl({"info"});
    if (info.exit_code != 0) return "pactl info got no answer";
    if (!answers_as(info.out, which)) return "the server that answered is not " + which + ":\n" + info.out;
    std::string listed;
    for (const auto& name : listed_sinks()) listed += " " + name;
    return "sinks listed:" + listed + "; default sink: " + first_line(pactl({"get-default-sink"}).out);
}

} // namespace

std::string sound_server()
{
    const char* name = std::getenv("OSTRELLE_SOUND_SERVER");
    return name && *name ? name : "pulseaudio";
}

bool start_pulse(pulse_server& server, const std::vector<std::string>& sink_names)
{
    const std::string which = sound_server();
    if (which != "pulseaudio" && which != "pipewire") {
        std::fprintf(stderr,
                     "start_pulse: no sound server to start (OSTRELLE_SOUND_SERVER=%s); install pulseaudio, "
                     "or pipewire with wireplumber, pipewire-pulse and dbus-daemon, then configure again\n",
                     which.c_str());
        return false;
    }
    if (server.root.empty()) server.root = make_temp_dir("pulse");
    std::string runtime = server.root + "/run";
    std::string home = server.root + "/home";
    mkdir(runtime.c_str(), 0700);
    mkdir(home.c_str(), 0700);
    // The first pactl that asks whether the server is up creates this folder
    // too; pipewire-pulse gives up when it loses that race.
    mkdir((runtime + "/pulse").c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("HOME", home.c_str(), 1);
    for (const char* leads_elsewhere : {"PULSE_SERVER", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR"})
        unsetenv(leads_elsewhere);

    bool up = start_processes(server, which) &&
              wait_until([&] { return answers_as(pactl({"info"}).out, which); }, 10);
    for (std::size_t i = 0; up && i < sink_names.size(); ++i)
        up = pactl({"load-module", "module-null-sink", "sink_name=" + sink_names[i],
                    "sink_properties=device.description=" + sink_names[i]})
                 .exit_code == 0;
    if (up && wait_until([&] { return sinks_ready(sink_names); }, 20)) return true;

    std::fprintf(stderr, "start_pulse: %s did not come up: %s\n", which.c_str(), why_not_up(which).c_str());
    for (const auto& p : server.processes)
        std::fprintf(stderr, "--- %s:\n%s\n", p.program.c_str(), read_file(p.child.err_path).c_str());
    stop_pulse(server);
    return false;
}

void stop_pulse(pulse_server& server)
{
    for (auto p = server.processes.rbegin(); p != server.processes.rend(); ++p) kill_child(p->child);
    server.processes.clear();
}

bool remove_sink(const std::string& sink)
{
    std::istringstream in(pactl({"list", "short", "modules"}).out);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string index, name, argument;
        fields >> index >> name;
        while (fields >> argument)
            if (argument == "sink_name=" + sink) return pactl({"unload-module", index}).exit_code == 0;
    }
    return false;
}

child_process play_tone(const std::string& sink, int frequency_hz, double amplitude)
{
    // The shell waits out a stop signal until both ends of the pipe are gone,
    // so stopping it leaves no orphan behind.
    std::string command = "trap : TERM; sox -D -q -n -t raw -r 48000 -e signed -b 16 -c 2 - synth 3600 sine " +
                          std::to_string(frequency_hz) + " vol " + std::to_string(amplitude) +
                          " | pacat --raw --device=" + sink + " --format=s16le --rate=48000 --channels=2";
    return spawn_child({"sh", "-c", command});
}
