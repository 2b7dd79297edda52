// brackwell-cli: commands for analysis and for driving the engine from scripts.
#pragma once

#include <string>

// Each command receives the arguments after its name and returns the exit status.
struct CliCommand {
    const char* name;
    const char* synopsis;    // arguments, for the usage text
    const char* description; // one line
    int (*run)(int argc, char** argv);
};

inline constexpr int EXIT_BAD_INPUT = 2;

// Prints "brackwell-cli: PROBLEM (try 'brackwell-cli --help')" on standard error
// and returns EXIT_BAD_INPUT.
int cli_fail(const std::string& problem);
// Fails unless exactly count arguments were given.
bool cli_expect_arguments(int argc, int count, const char* command, int* status);

int run_moves(int argc, char** argv);
int run_eval(int argc, char** argv);
int run_hash(int argc, char** argv);
int run_search(int argc, char** argv);
int run_bench(int argc, char** argv);
