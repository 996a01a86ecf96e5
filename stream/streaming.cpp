// Start and stop of a stream: stream identifier, UDP socket, destination,
// and the loopback capture of the selected output device.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "stream.h"

int32_t is_streaming;
unsigned char stream_id[4];
uint64_t stream_position;
plat_socket udp_socket;
addrinfo* destination;
ma_device capture_device;

void fill_random_bytes(unsigned char* buffer, int32_t count)
{
    for (int32_t i = 0; i < count; ++i) buffer[i] = static_cast<unsigned char>(std::rand() % 255);
}

static void bind_any_local_port()
{
    addrinfo hints = {};
    hints.ai_flags = AI_PASSIVE;
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* local = nullptr;
    if (getaddrinfo(nullptr, "0", &hints, &local) != 0) fatal_error("getaddrinfo error");
    if (!local) fatal_error("getaddrinfo null");
    if (bind(udp_socket, local->ai_addr, static_cast<int>(local->ai_addrlen)) != 0) fatal_error("bind error");
    freeaddrinfo(local);
}

static void resolve_destination()
{
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    int code = getaddrinfo(ip_text, stream_port, &hints, &destination);
    if (code != 0) {
        char message[4096];
        std::snprintf(message, sizeof message, "Bad ip address: %s\n\ngetaddrinfo 2 error: %s", ip_text,
                      plat_gai_strerror(code));
        fatal_error(message);
    }
    if (!destination) fatal_error("getaddrinfo 2 null");
}

void start_streaming()
{
    if (is_streaming) return;
    fill_random_bytes(stream_id, 4);
    stream_position = 0;

    udp_socket = socket(AF_INET, SOCK_DGRAM, 0);
    bind_any_local_port();
    resolve_destination();
    save_ip_setting();

    ma_device_id derived_id;
    ma_device_config config =
        plat_loopback_config(&audio_context, &device_infos[selected_device].id, &derived_id);
    config.sampleRate = 48000;
    config.dataCallback = on_capture_data;
    config.capture.format = ma_format_s16;
    config.capture.channels = 2;
    config.capture.shareMode = ma_share_mode_shared;
    if (ma_device_init(&audio_context, &config, &capture_device) != MA_SUCCESS) fatal_error("ma_device_init error");
    if (ma_device_start(&capture_device) != MA_SUCCESS) fatal_error("ma_device_start error");
    is_streaming = 1;
}

void stop_streaming()
{
    if (!is_streaming) return;
    // A capture whose output went away (a headset unplugged, the sound server
    // restarted) leaves the device thread waiting for data that never comes,
    // and uninit joins that thread without waking it. Stop wakes it first;
    // its result is of no interest, as the device may already be dead.
    ma_device_stop(&capture_device);
    // Uninit returns only once the device thread has ended, so nothing sends
    // on the socket or reads the destination after this.
    ma_device_uninit(&capture_device);
    plat_close_socket(udp_socket);
    freeaddrinfo(destination);
    destination = nullptr;
    is_streaming = 0;
}
