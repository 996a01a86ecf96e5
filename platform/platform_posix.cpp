// POSIX side of the platform layer: BSD sockets, the XDG configuration folder,
// an error box shown by a dialog program in a child process, and loopback
// capture through PulseAudio's monitor sources.
#include "platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

void plat_net_startup() {}
void plat_net_cleanup() {}

void plat_close_socket(plat_socket s) { close(s); }

const char* plat_gai_strerror(int code) { return gai_strerror(code); }

bool plat_settings_folder(char* out, std::size_t capacity)
{
    out[0] = '\0';
    const char* base = std::getenv("XDG_CONFIG_HOME");
    const char* suffix = "";
    if (!base || base[0] != '/') {
        base = std::getenv("HOME");
        suffix = "/.config";
        if (!base || base[0] == '\0') return false;
    }
    // The folder gets at most 1,023 bytes, as the Windows conversion allows.
    std::size_t limit = capacity < 1024 ? capacity : 1024;
    int n = std::snprintf(out, limit, "%s%s", base, suffix);
    if (n < 0 || static_cast<std::size_t>(n) >= limit) {
        out[0] = '\0';
        return false;
    }
    return true;
}

void plat_make_folder(const char* path)
{
    // Missing folders above it are created 0700, as the XDG base directory
    // rules ask of a configuration folder; existing ones are left as they are.
    char prefix[2048];
    int n = std::snprintf(prefix, sizeof prefix, "%s", path);
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof prefix) return;
    for (char* p = prefix + 1; *p; ++p) {
        if (*p != '/') continue;
        *p = '\0';
        mkdir(prefix, 0700);
        *p = '/';
    }
    mkdir(prefix, 0777);
}

FILE* plat_open_file(const char* path, const char* mode) { return std::fopen(path, mode); }

namespace {

// Starts the dialog; returns its PID, or -1. zenity takes the text as the
// value of --text, xmessage from standard input, so no part of it is ever
// read as an option; *input is then the socket that feeds xmessage.
pid_t spawn_dialog(const char* text, int* input)
{
    *input = -1;
    pid_t pid = -1;
    // posix_spawnp fails when the program is not on PATH: then the next one.
    std::string text_option = std::string("--text=") + text;
    const char* zenity[] = {"zenity", "--error", "--title=Error", "--no-markup", text_option.c_str(), nullptr};
    if (posix_spawnp(&pid, "zenity", nullptr, nullptr, const_cast<char**>(zenity), environ) == 0) return pid;
    // A socket rather than a pipe: written with MSG_NOSIGNAL, a dialog that has
    // already exited gives EPIPE instead of a SIGPIPE that would end the process.
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
    const char* xmessage[] = {"xmessage", "-title", "Error", "-center", "-buttons", "OK:0", "-default", "OK",
                              "-file", "-", nullptr};
    int rc = posix_spawnp(&pid, "xmessage", &actions, nullptr, const_cast<char**>(xmessage), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[0]);
    if (rc != 0) {
        close(fds[1]);
        return -1;
    }
    *input = fds[1];
    return pid;
}

void send_text(int fd, const char* text)
{
    std::size_t left = std::strlen(text);
    for (const char* p = text; left > 0;) {
        ssize_t w = send(fd, p, left, MSG_NOSIGNAL);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) break;
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    shutdown(fd, SHUT_WR);
    close(fd);
}

} // namespace

// The dialog runs in a child process, so no toolkit state is shared with the
// window and any thread may raise it. The calling thread waits for the child,
// serving its windows through pump meanwhile when it has one.
void plat_error_box(const char* text, plat_box_pump pump)
{
    const char* display = std::getenv("DISPLAY");
    if (!display || display[0] == '\0') return;

    int input = -1;
    pid_t pid = spawn_dialog(text, &input);
    if (pid < 0) return;
    if (input >= 0) send_text(input, text);
    for (;;) {
        int status = 0;
        pid_t r = waitpid(pid, &status, pump ? WNOHANG : 0);
        if (r == pid || (r < 0 && errno != EINTR)) return;
        if (r == 0) pump();
    }
}

// miniaudio has no loopback device type here; PulseAudio offers what every
// sink plays as the capture source "<sink>.monitor". Elsewhere (plain ALSA)
// the loopback type is asked for and device initialisation fails.
ma_device_config plat_loopback_config(const ma_context* context, const ma_device_id* output,
                                      ma_device_id* id_storage)
{
    if (context->backend != ma_backend_pulseaudio) {
        ma_device_config config = ma_device_config_init(ma_device_type_loopback);
        config.capture.pDeviceID = output;
        return config;
    }
    ma_device_config config = ma_device_config_init(ma_device_type_capture);
    std::memset(id_storage, 0, sizeof *id_storage);
    int n = std::snprintf(id_storage->pulse, sizeof id_storage->pulse, "%s.monitor", output->pulse);
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof id_storage->pulse) {
        // A cut name would capture some other source; ask for one that cannot exist.
        std::snprintf(id_storage->pulse, sizeof id_storage->pulse, "%s", "\x01");
    }
    config.capture.pDeviceID = id_storage;
    return config;
}
