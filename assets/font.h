// The window's font (Roboto Regular), built into the program.
#pragma once

#include <cstddef>

extern const unsigned char roboto_regular[];
extern const std::size_t roboto_regular_size;
