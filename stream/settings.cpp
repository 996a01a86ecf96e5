// The address text, its built-in default and the settings file ip.txt.
#include <cstdio>
#include <cstring>

#include "stream.h"

char ip_text[ip_text_size];

namespace {

constexpr std::size_t path_size = 2048;
constexpr int line_bound = 200;

// Appends with the same 1,024-character bound for every suffix; the folder
// takes at most 1,023 bytes, so no suffix is ever cut.
void append(char* path, const char* suffix)
{
    std::strncat(path, suffix, 1024);
}

} // namespace

void set_default_ip_text()
{
    std::memset(ip_text, 0, sizeof ip_text);
    std::strcpy(ip_text, default_ip_text);
}

namespace {

bool is_digits_and_dots(const char* text)
{
    for (const char* c = text; *c; ++c)
        if (!((*c >= '0' && *c <= '9') || *c == '.')) return false;
    return true;
}

} // namespace

void load_ip_setting()
{
    char path[path_size] = {};
    if (!plat_settings_folder(path, path_size)) return;
    append(path, PLAT_SEP "ostrelle" PLAT_SEP "ip.txt");

    FILE* file = plat_open_file(path, "r");
    if (!file) return;
    std::memset(ip_text, 0, sizeof ip_text);
    (void)std::fgets(ip_text, line_bound, file);
    std::fclose(file);

    if (!is_digits_and_dots(ip_text)) set_default_ip_text();
}

void save_ip_setting()
{
    char path[path_size] = {};
    if (!plat_settings_folder(path, path_size)) return;
    append(path, PLAT_SEP "ostrelle");
    plat_make_folder(path);
    append(path, PLAT_SEP "ip.txt");

    FILE* file = plat_open_file(path, "w");
    if (!file) return;
    std::fprintf(file, "%s", ip_text);
    std::fclose(file);
}
