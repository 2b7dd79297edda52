#include "tests/support/process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::string slurp(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    lseek(fd, 0, SEEK_SET);
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    return text;
}

} // namespace

ProcessResult run_process(const std::vector<std::string>& argv)
{
    // Files rather than pipes: no risk of a full pipe blocking the child.
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fileno(out), 1);
        dup2(fileno(err), 2);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int raw = 0;
    waitpid(pid, &raw, 0);
    ProcessResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    result.out = slurp(fileno(out));
    result.err = slurp(fileno(err));
    std::fclose(out);
    std::fclose(err);
    return result;
}
