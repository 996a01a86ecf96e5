// The address text, its built-in default and the settings file ip.txt.
#include <cstdio>
#include <cstring>

#include "stream.h"

char ip_text[ip_text_size];

namespace {

constexpr std::size_t path_size = 2048;
constexpr std::size_t line_bound = 200;

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

// Reads the first line with fgets, zero past what it read, and gives the
// number of bytes read. fgets copies a NUL byte like any other, so only that
// number tells a NUL in the line from the end of the text. fgets writes its
// terminator right after what it read and nothing beyond it: over a filling
// of non-zero bytes, that terminator is the last zero.
std::size_t read_first_line(FILE* file, char* text)
{
    std::memset(text, 1, line_bound);
    std::size_t read = 0;
    if (std::fgets(text, static_cast<int>(line_bound), file))
        for (std::size_t i = 0; i < line_bound; ++i)
            if (text[i] == 0) read = i;
    std::memset(text + read, 0, line_bound - read);
    return read;
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
    const std::size_t read = read_first_line(file, ip_text);
    std::fclose(file);

    // A NUL byte is a character like any other that is not a digit or a dot:
    // left in place, it would hide the rest of the line behind the text,
    // where typing past the end would join it to the address.
    if (std::strlen(ip_text) != read || !is_digits_and_dots(ip_text)) set_default_ip_text();
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
