// The streaming core: the address text and its settings file, the audio
// context with the list of output devices, start and stop of a stream, and
// the fatal error report. Module-level state, shared with the window code.
#pragma once

#include <cstdint>
#include <miniaudio.h>

#include "platform.h"

constexpr int ip_text_size = 1024;
// One fixed private address, shown until the user saves another.
constexpr const char* default_ip_text = "192.168.1.100";
constexpr const char* stream_port = "10204";

extern char ip_text[ip_text_size];

extern ma_context audio_context;
extern ma_device_info* device_infos;
extern ma_uint32 device_count;
extern int32_t selected_device;

extern int32_t is_streaming;
extern unsigned char stream_id[4];
extern uint64_t stream_position;
extern plat_socket udp_socket;
extern addrinfo* destination;
extern ma_device capture_device;

void init_audio_and_network();
void shutdown_audio_and_network();

// Zero-fills ip_text and puts the built-in default in.
void set_default_ip_text();
void load_ip_setting();
void save_ip_setting();

[[noreturn]] void fatal_error(const char* text);
// Remembers the calling thread as the one whose fatal errors may run exit handlers.
void note_main_thread();
// Keeps the main thread's windows served while its error box is open; a box
// raised on another thread leaves that to the main thread's own loop.
void set_error_box_pump(plat_box_pump pump);

void start_streaming();
void stop_streaming();
void fill_random_bytes(unsigned char* buffer, int32_t count);

void on_capture_data(ma_device* pDevice, void* pOutput, const void* pInput, ma_uint32 frameCount);
