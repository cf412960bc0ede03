#include "base/childprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "base/fileerror.h"

extern char** environ;

namespace pirumo {

namespace {

constexpr std::size_t kMaxErrorText = 64 * 1024;

class Pipe {
public:
    Pipe() {
        if (::pipe2(mFds, O_CLOEXEC) != 0) {
            throw FileError("子プロセスを準備できません（パイプを作れません）。");
        }
    }
    ~Pipe() {
        CloseWriteEnd();
        if (mFds[0] >= 0) {
            ::close(mFds[0]);
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int ReadEnd() const { return mFds[0]; }
    int WriteEnd() const { return mFds[1]; }
    void CloseWriteEnd() {
        if (mFds[1] >= 0) {
            ::close(mFds[1]);
            mFds[1] = -1;
        }
    }

private:
    int mFds[2] = {-1, -1};
};

pid_t StartChild(const std::vector<std::string>& args, Pipe& errors) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errors.WriteEnd(), STDERR_FILENO);

    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int result = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    errors.CloseWriteEnd();
    if (result != 0) {
        throw FileError("プログラム「" + args[0] + "」を起動できません。");
    }
    return pid;
}

// Collects standard error until the child closes it or the deadline passes.
bool CollectErrors(const Pipe& errors, std::chrono::steady_clock::time_point deadline,
                   std::string& text) {
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd fd{errors.ReadEnd(), POLLIN, 0};
        const int ready = ::poll(&fd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready == 0) {
            return false;
        }
        if (ready < 0) {
            return true;
        }
        const ssize_t n = ::read(errors.ReadEnd(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return true;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > kMaxErrorText) {
            text.erase(0, text.size() - kMaxErrorText);
        }
    }
}

// Waits for the child's exit until the deadline; false when it is still running then.
bool WaitForExit(pid_t pid, std::chrono::steady_clock::time_point deadline, int& status) {
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return true;
        }
        if (done < 0 && errno != EINTR) {
            status = 0;
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

ChildOutcome RunChildProcess(const std::vector<std::string>& args, std::chrono::seconds limit) {
    Pipe errors;
    const pid_t pid = StartChild(args, errors);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    ChildOutcome outcome;
    int status = 0;
    const bool closed = CollectErrors(errors, deadline, outcome.errorText);
    if (!closed || !WaitForExit(pid, deadline, status)) {
        outcome.timedOut = true;
        ::kill(pid, SIGKILL);
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (WIFSIGNALED(status)) {
        outcome.signal = WTERMSIG(status);
    } else if (WIFEXITED(status)) {
        outcome.exitCode = WEXITSTATUS(status);
    }
    return outcome;
}

}  // namespace pirumo
