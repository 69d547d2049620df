#include "FfmpegChild.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t childPid = 0;

void ForwardSignal(int signal) {
    if (childPid > 0)
        kill(childPid, signal);
}

void ForwardTerminationSignals() {
    struct sigaction action {};
    action.sa_handler = ForwardSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

[[noreturn]] void ExecChild(const std::string& program, const std::vector<std::string>& args,
                            pid_t parent, int errorPipe) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have died before the request above was in place.
    if (getppid() != parent)
        _exit(127);
    dup2(errorPipe, STDERR_FILENO);
    const int nothing = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (nothing >= 0)
        dup2(nothing, STDIN_FILENO);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(program.c_str(), argv.data());
    const std::string message = "coder: cannot run " + program + ": " + std::strerror(errno) + "\n";
    (void)!write(STDERR_FILENO, message.data(), message.size());
    _exit(127);
}

} // namespace

int RunFfmpegChild(const std::string& program, const std::vector<std::string>& args,
                   const std::function<void(std::string_view)>& onOutput) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return 127;
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child < 0)
        return 127;
    if (child == 0)
        ExecChild(program, args, parent, pipeEnds[1]);
    childPid = child;
    ForwardTerminationSignals();
    signal(SIGPIPE, SIG_IGN);
    close(pipeEnds[1]);

    char buffer[4096];
    for (;;) {
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got > 0)
            onOutput(std::string_view(buffer, size_t(got)));
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(pipeEnds[0]);

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
