#pragma once

#include <dirent.h>

#include <cstdlib>
#include <fstream>
#include <string>

// Calls f with the /proc folder of each thread of a process ("/proc/42/task/43").
template<typename F> void forEachThread(long pid, F f)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *folder = opendir(tasks.c_str())) {
        while (const dirent *task = readdir(folder)) {
            if (task->d_name[0] != '.')
                f(tasks + '/' + task->d_name);
        }
        closedir(folder);
    }
}

// The proportional set size of a process and of all its descendants, in KiB: the memory a program costs
// together with the processes it started (the web engine's). A child may have been started by any thread.
inline long treePssKiB(long pid)
{
    long total = 0;
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string line; std::getline(rollup, line);) {
        if (line.rfind("Pss:", 0) == 0)
            total += std::strtol(line.c_str() + 4, nullptr, 10);
    }
    forEachThread(pid, [&](const std::string &thread) {
        std::ifstream children(thread + "/children");
        for (long child = 0; children >> child;)
            total += treePssKiB(child);
    });
    return total;
}

// The CPU time all threads of a process have used so far, in milliseconds (the first field of each thread's
// schedstat, in nanoseconds).
inline double threadsCpuMs(long pid)
{
    double total = 0;
    forEachThread(pid, [&](const std::string &thread) {
        std::ifstream schedstat(thread + "/schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu)
            total += onCpu / 1e6;
    });
    return total;
}
