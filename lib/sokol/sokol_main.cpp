// The process entry of programs built on the sokol_app stand-in: they
// define sokol_main and link the `sokol` library.
#include "sokol_app.h"

int main(int argc, char* argv[]) {
    sapp_desc desc = sokol_main(argc, argv);
    sapp_run(&desc);
    return 0;
}
