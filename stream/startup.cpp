// Start-up and shutdown of the streaming core: audio context, the list of
// output devices, the address text and the socket library.
#include <cstdio>

#include "stream.h"

ma_context audio_context;
ma_device_info* device_infos;
ma_uint32 device_count;
int32_t selected_device;

void init_audio_and_network()
{
    note_main_thread();
    if (ma_context_init(nullptr, 0, nullptr, &audio_context) != MA_SUCCESS) fatal_error("ma_context_init error");

    ma_device_info* capture_infos = nullptr;
    ma_uint32 capture_count = 0;
    if (ma_context_get_devices(&audio_context, &device_infos, &device_count, &capture_infos, &capture_count) !=
        MA_SUCCESS)
        fatal_error("ma_context_get_devices error");
    // A loopback capture records what an output plays: the outputs are the
    // devices to capture from.
    if (device_count == 0) fatal_error("no capture device found");

    for (ma_uint32 i = 0; i < device_count; ++i) std::printf("capture device %s\n", device_infos[i].name);

    set_default_ip_text();
    load_ip_setting();
    plat_net_startup();
}

void shutdown_audio_and_network()
{
    stop_streaming();
    ma_context_uninit(&audio_context);
    plat_net_cleanup();
}
