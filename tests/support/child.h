// Child processes for tests: spawned with extra environment, standard output
// and error captured in files, always waited for or killed by PID.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

struct child_process {
    pid_t pid = -1;
    std::string out_path;
    std::string err_path;
};

struct child_result {
    int exit_code = -1;  // -1 when it ended by a signal or was killed
    bool timed_out = false;
    std::string out;
    std::string err;
};

// argv[0] is looked up on PATH. env holds "NAME=value" entries that are set
// (or, as "NAME=", emptied) on top of this process's environment.
child_process spawn_child(const std::vector<std::string>& argv, const std::vector<std::string>& env = {});
// Waits up to timeout_s seconds, then kills the child.
child_result wait_child(child_process& child, double timeout_s);
void kill_child(child_process& child);
// True once the child has ended; then result holds what wait_child gives.
bool try_wait_child(child_process& child, child_result& result);

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);
// A fresh empty directory under the system's temporary folder, removed with
// everything in it when this process exits (kept where OSTRELLE_KEEP_TEMP is set).
std::string make_temp_dir(const char* tag);
std::string run_shell(const std::string& command);
