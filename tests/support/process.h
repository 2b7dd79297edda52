// Runs a program to its end and captures what it wrote, for end-to-end tests.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
    int status; // exit status, or 128 + signal number when killed by a signal
    std::string out;
    std::string err;
};

ProcessResult run_process(const std::vector<std::string>& argv);
