// Drives the streaming core from the command line, so that tests can run its
// start-up, Start, Stop and fatal paths in a process of their own.
//   --rand N          print the first N stream-identifier bytes a fresh process draws, then exit
//   --ip TEXT         replace the address text
//   --device-id NAME  select the output device with that id
//   --start, --stop, --sleep MS, --shutdown
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "stream.h"

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--rand") == 0) {
        int n = std::atoi(argv[2]);
        for (int i = 0; i < n; ++i) {
            unsigned char byte;
            fill_random_bytes(&byte, 1);
            std::printf("%d\n", byte);
        }
        return 0;
    }
    init_audio_and_network();
    std::printf("ip %s\n", ip_text);
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        if (std::strcmp(arg, "--ip") == 0) {
            std::memset(ip_text, 0, sizeof ip_text);
            std::snprintf(ip_text, sizeof ip_text, "%s", value);
            ++i;
        } else if (std::strcmp(arg, "--device-id") == 0) {
            selected_device = -1;
            for (ma_uint32 d = 0; d < device_count; ++d)
                if (std::strcmp(device_infos[d].id.pulse, value) == 0) selected_device = static_cast<int32_t>(d);
            if (selected_device < 0) {
                std::fprintf(stderr, "no device with id %s\n", value);
                return 2;
            }
            ++i;
        } else if (std::strcmp(arg, "--start") == 0) {
            start_streaming();
            std::printf("started\n");
            std::fflush(stdout);
        } else if (std::strcmp(arg, "--stop") == 0) {
            stop_streaming();
            std::printf("stopped\n");
            std::fflush(stdout);
        } else if (std::strcmp(arg, "--sleep") == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(value)));
            ++i;
        } else if (std::strcmp(arg, "--shutdown") == 0) {
            shutdown_audio_and_network();
        } else {
            std::fprintf(stderr, "unknown argument %s\n", arg);
            return 2;
        }
    }
    return 0;
}
