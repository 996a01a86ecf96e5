// Windows side of the platform layer: Winsock, the roaming application-data
// folder, MessageBoxA and miniaudio's WASAPI loopback device.
#include "platform.h"

#include <knownfolders.h>
#include <shlobj.h>
#include <windows.h>

static WSADATA wsa_data;

void plat_net_startup() { WSAStartup(MAKEWORD(2, 2), &wsa_data); }
void plat_net_cleanup() { WSACleanup(); }

void plat_close_socket(plat_socket s) { closesocket(s); }

const char* plat_gai_strerror(int code) { return gai_strerrorA(code); }

bool plat_settings_folder(char* out, std::size_t capacity)
{
    out[0] = '\0';
    PWSTR folder = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)) || !folder) return false;
    // At most 1,023 bytes of UTF-8 and the terminator; a longer path fails
    // here rather than leaving a cut one behind.
    int limit = static_cast<int>(capacity < 1024 ? capacity : 1024);
    int written = WideCharToMultiByte(CP_UTF8, 0, folder, -1, out, limit, nullptr, nullptr);
    CoTaskMemFree(folder);
    if (written == 0) {
        out[0] = '\0';
        return false;
    }
    return true;
}

// The A-suffixed calls take the ANSI code page; the path is UTF-8.
static bool widen(const char* utf8, wchar_t* wide, int capacity)
{
    return MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, capacity) != 0;
}

void plat_make_folder(const char* path)
{
    wchar_t wide[2048];
    if (widen(path, wide, 2048)) CreateDirectoryW(wide, nullptr);
}

FILE* plat_open_file(const char* path, const char* mode)
{
    wchar_t wide_path[2048];
    wchar_t wide_mode[8];
    if (!widen(path, wide_path, 2048) || !widen(mode, wide_mode, 8)) return nullptr;
    return _wfopen(wide_path, wide_mode);
}

void plat_error_box(const char* text, plat_box_pump) { MessageBoxA(nullptr, text, "Error", MB_OK | MB_ICONERROR); }

ma_device_config plat_loopback_config(const ma_context*, const ma_device_id* output, ma_device_id*)
{
    ma_device_config config = ma_device_config_init(ma_device_type_loopback);
    config.capture.pDeviceID = output;
    return config;
}
