#include "child.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

child_process spawn_child(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    child_process child;
    std::string dir = make_temp_dir("child");
    child.out_path = dir + "/out";
    child.err_path = dir + "/err";

    std::map<std::string, std::string> vars;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        auto eq = entry.find('=');
        if (eq != std::string::npos) vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& entry : env) {
        auto eq = entry.find('=');
        vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    std::vector<std::string> env_strings;
    for (const auto& [k, v] : vars) env_strings.push_back(k + "=" + v);
    std::vector<char*> envp;
    for (auto& s : env_strings) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> args = argv;
    std::vector<char*> argp;
    for (auto& s : args) argp.push_back(s.data());
    argp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, child.out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, child.err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // Its own process group, so a kill reaches whatever it started too.
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    if (posix_spawnp(&child.pid, argp[0], &actions, &attr, argp.data(), envp.data()) != 0) child.pid = -1;
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

child_result wait_child(child_process& child, double timeout_s)
{
    child_result result;
    if (child.pid <= 0) return result;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout_s);
    int status = 0;
    for (;;) {
        pid_t r = waitpid(child.pid, &status, WNOHANG);
        if (r == child.pid) break;
        if (r < 0 && errno != EINTR) break;
        if (std::chrono::steady_clock::now() > deadline) {
            result.timed_out = true;
            kill(-child.pid, SIGKILL);
            kill(child.pid, SIGKILL);
            waitpid(child.pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    child.pid = -1;
    if (!result.timed_out && WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    result.out = read_file(child.out_path);
    result.err = read_file(child.err_path);
    return result;
}

bool try_wait_child(child_process& child, child_result& result)
{
    if (child.pid <= 0) return true;
    int status = 0;
    if (waitpid(child.pid, &status, WNOHANG) != child.pid) return false;
    child.pid = -1;
    result = child_result{};
    if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    result.out = read_file(child.out_path);
    result.err = read_file(child.err_path);
    return true;
}

void kill_child(child_process& child)
{
    if (child.pid <= 0) return;
    kill(-child.pid, SIGTERM);
    kill(child.pid, SIGTERM);
    wait_child(child, 5.0);
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void write_file(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {

std::string make_dir(std::string prefix)
{
    prefix += "-XXXXXX";
    if (!mkdtemp(prefix.data())) std::abort();
    return prefix;
}

// Every folder make_temp_dir makes lies in one of this process's own, which
// goes when the process exits, its tests passed or failed, unless
// OSTRELLE_KEEP_TEMP keeps it. A forked child that exits through the same
// handlers (a death test's) leaves it to the process that made it.
struct temp_root {
    std::string path;
    pid_t owner = getpid();

    ~temp_root()
    {
        std::error_code ignored;
        if (path.empty() || getpid() != owner) return;
        if (std::getenv("OSTRELLE_KEEP_TEMP")) std::fprintf(stderr, "kept the test's files in %s\n", path.c_str());
        else std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

std::string make_temp_dir(const char* tag)
{
    static temp_root root;
    const char* tmp = std::getenv("TMPDIR");
    if (root.path.empty()) root.path = make_dir(std::string(tmp && *tmp ? tmp : "/tmp") + "/ostrelle-test");
    return make_dir(root.path + "/" + tag);
}

static std::string quote_for_single_quotes(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out;
}

std::string run_shell(const std::string& command)
{
    std::string out;
    // No helper command may hang a test: each gets a minute at most.
    FILE* p = popen(("timeout -k 5 60 sh -c '" + quote_for_single_quotes(command) + "'").c_str(), "r");
    if (!p) return out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}
