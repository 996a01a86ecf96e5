// Keyboard editing of the address field.
#include <cstring>

#include "stream.h"
#include "ui.h"

int32_t ip_focused;
int32_t ip_cursor;

void ip_input_char(uint32_t code)
{
    if (!ip_focused) return;
    const int32_t length = static_cast<int32_t>(std::strlen(ip_text));
    // A cursor left past the end by deletions since the last layout counts as the end.
    const int32_t at = ip_cursor > length ? length : ip_cursor;

    if ((code >= '0' && code <= '9') || code == '.') {
        if (length >= ip_text_size - 1) return;  // the buffer is full
        std::memmove(ip_text + at + 1, ip_text + at, static_cast<std::size_t>(length - at));
        ip_text[at] = static_cast<char>(code);
        ip_cursor = at + 1;
    } else if (code == 8 && length > 0 && at > 0) {
        std::memmove(ip_text + at - 1, ip_text + at, static_cast<std::size_t>(length - at));
        ip_text[length - 1] = '\0';
        ip_cursor = at - 1;
    }
}
