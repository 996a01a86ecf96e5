// What differs between Windows and the POSIX systems: sockets, the per-user
// settings folder, the error box and how a loopback capture is opened.
// One implementation per platform (platform_posix.cpp, later platform_win32.cpp).
#pragma once

#include <cstddef>
#include <cstdio>
#include <miniaudio.h>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using plat_socket = SOCKET;
#define PLAT_SEP "\\"
#else
#include <netdb.h>
#include <sys/socket.h>
using plat_socket = int;
#define PLAT_SEP "/"
#endif

// Socket library start-up and clean-up; both results are of no interest.
void plat_net_startup();
void plat_net_cleanup();
void plat_close_socket(plat_socket s);
// The resolver's own text for a getaddrinfo error code.
const char* plat_gai_strerror(int code);

// Writes the current user's roaming settings folder as NUL-terminated UTF-8
// into out (capacity bytes, at most 1,023 characters used). Returns false,
// leaving out empty, when there is no such folder or its path does not fit.
bool plat_settings_folder(char* out, std::size_t capacity);
// Creates the folder with default permissions; an existing folder is fine.
// On POSIX the missing folders above it (a configuration folder a fresh
// account does not have yet) are created first, private to the user.
void plat_make_folder(const char* path);
// fopen for a UTF-8 path, whatever the system's own code page.
FILE* plat_open_file(const char* path, const char* mode);

// Called over and over while an error box is open, so that the caller's
// windows go on answering; it waits briefly for their messages and draws
// nothing.
using plat_box_pump = void (*)();

// Shows a modal box titled "Error" with text and an OK button, and returns once
// it is dismissed. Safe from any thread. Without a display, or when the dialog
// cannot be shown, it returns at once. pump may be null; Windows does not need
// it, as the box's own message loop dispatches the thread's window messages.
void plat_error_box(const char* text, plat_box_pump pump);

// A device configuration for capturing what output device `output` plays.
// `id_storage` receives an id derived from the output's where the platform
// needs one; it must stay valid until ma_device_init has returned.
ma_device_config plat_loopback_config(const ma_context* context, const ma_device_id* output,
                                      ma_device_id* id_storage);
