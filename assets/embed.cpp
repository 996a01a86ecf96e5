// Build-time tool: writes a C++ source that holds a file's bytes as an array
// with static storage duration.   embed <input> <output> <symbol>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: embed <input> <output> <symbol>\n");
        return 2;
    }
    FILE* in = std::fopen(argv[1], "rb");
    if (!in) {
        std::fprintf(stderr, "embed: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<unsigned char> bytes;
    unsigned char buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, in)) > 0;) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(in);

    FILE* out = std::fopen(argv[2], "w");
    if (!out) {
        std::fprintf(stderr, "embed: cannot write %s\n", argv[2]);
        return 1;
    }
    std::fprintf(out, "// Generated from %s; do not edit.\n#include <cstddef>\n\n", argv[1]);
    std::fprintf(out, "extern const unsigned char %s[];\nextern const std::size_t %s_size;\n\n", argv[3], argv[3]);
    std::fprintf(out, "const unsigned char %s[] = {", argv[3]);
    for (std::size_t i = 0; i < bytes.size(); ++i) std::fprintf(out, "%s%u,", i % 24 == 0 ? "\n" : "", bytes[i]);
    std::fprintf(out, "\n};\nconst std::size_t %s_size = %zu;\n", argv[3], bytes.size());
    return std::fclose(out) == 0 ? 0 : 1;
}
