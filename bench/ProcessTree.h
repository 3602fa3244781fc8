#pragma once

#include <dirent.h>

#include <cstdlib>
#include <fstream>
#include <string>

// The proportional set size of a process and of all its descendants, in KiB: the memory a program costs
// together with the processes it started (the web engine's). A child may have been started by any thread.
inline long treePssKiB(long pid)
{
    const std::string proc = "/proc/" + std::to_string(pid);
    long total = 0;
    std::ifstream rollup(proc + "/smaps_rollup");
    for (std::string line; std::getline(rollup, line);) {
        if (line.rfind("Pss:", 0) == 0)
            total += std::strtol(line.c_str() + 4, nullptr, 10);
    }
    if (DIR *tasks = opendir((proc + "/task").c_str())) {
        while (const dirent *task = readdir(tasks)) {
            if (task->d_name[0] == '.')
                continue;
            std::ifstream children(proc + "/task/" + task->d_name + "/children");
            for (long child = 0; children >> child;)
                total += treePssKiB(child);
        }
        closedir(tasks);
    }
    return total;
}
