#include "history/import/isolatedimport.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "history/historyerror.h"
#include "history/store/historyfile.h"

extern char** environ;

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxErrorText = 64 * 1024;

struct ChildOutcome {
    bool timedOut = false;
    int status = 0;
    std::string errorText;  // the tail of the child's standard error
};

class Pipe {
public:
    Pipe() {
        if (pipe2(mFds, O_CLOEXEC) != 0) {
            throw HistoryError("取り込み用のプロセスを準備できません（pipe）。");
        }
    }
    ~Pipe() {
        CloseWriteEnd();
        if (mFds[0] >= 0) {
            close(mFds[0]);
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int ReadEnd() const { return mFds[0]; }
    int WriteEnd() const { return mFds[1]; }
    void CloseWriteEnd() {
        if (mFds[1] >= 0) {
            close(mFds[1]);
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
    const int result = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    errors.CloseWriteEnd();
    if (result != 0) {
        throw HistoryError("取り込み用のプログラム「" + args[0] + "」を起動できません。");
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
        const int ready = poll(&fd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready == 0) {
            return false;
        }
        if (ready < 0) {
            return true;
        }
        const ssize_t n = read(errors.ReadEnd(), buffer, sizeof buffer);
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
        const pid_t done = waitpid(pid, &status, WNOHANG);
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

ChildOutcome RunChild(const std::vector<std::string>& args, std::chrono::seconds limit) {
    Pipe errors;
    const pid_t pid = StartChild(args, errors);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    ChildOutcome outcome;
    const bool closed = CollectErrors(errors, deadline, outcome.errorText);
    if (!closed || !WaitForExit(pid, deadline, outcome.status)) {
        outcome.timedOut = true;
        kill(pid, SIGKILL);
        while (waitpid(pid, &outcome.status, 0) < 0 && errno == EINTR) {
        }
    }
    return outcome;
}

std::string LastLine(const std::string& text) {
    const auto end = text.find_last_not_of("\r\n \t");
    if (end == std::string::npos) {
        return {};
    }
    const auto start = text.find_last_of('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

// `name` stands for the source file in the messages about a crash or a time-out.
void RunImport(const fs::path& cli, const fs::path& sourceFile, const fs::path& historyFile,
               std::chrono::seconds limit, const std::string& name) {
    const ChildOutcome outcome = RunChild(
        {cli.string(), "--db", historyFile.string(), "import", sourceFile.string()}, limit);
    if (outcome.timedOut) {
        throw HistoryError(name + "の取り込みが" + std::to_string(limit.count()) +
                           "秒で終わらないため中止しました。ファイルが壊れている可能性があります。"
                           "履歴ファイルは変更していません。");
    }
    if (WIFSIGNALED(outcome.status)) {
        throw HistoryError(name + "の取り込み中に読み込み処理が異常終了しました（シグナル " +
                           std::to_string(WTERMSIG(outcome.status)) +
                           "）。ファイルが壊れている可能性があります。履歴ファイルは変更して"
                           "いません。");
    }
    if (!WIFEXITED(outcome.status) || WEXITSTATUS(outcome.status) != 0) {
        std::string message = LastLine(outcome.errorText);
        const std::string prefix = cli.filename().string() + ": ";
        if (message.starts_with(prefix)) {
            message.erase(0, prefix.size());
        }
        throw HistoryError(message.empty() ? name + "を取り込めませんでした。" : message);
    }
}

// A private folder under the system's temporary folder, removed with everything in it.
class PrivateFolder {
public:
    PrivateFolder() {
        std::string pattern = (fs::temp_directory_path() / "pirumo-import-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            throw HistoryError("一時フォルダーを作れません。");
        }
        mPath = pattern;
    }
    ~PrivateFolder() {
        std::error_code ignored;
        fs::remove_all(mPath, ignored);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    const fs::path& Path() const { return mPath; }

private:
    fs::path mPath;
};

}  // namespace

fs::path DefaultCliPath() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return (error ? fs::current_path() : self.parent_path()) / "pirumo-cli";
}

int ImportHistoryInChildProcess(const fs::path& cli, const fs::path& sourceFile,
                                const fs::path& historyFile, std::chrono::seconds limit) {
    RunImport(cli, sourceFile, historyFile, limit, "ファイル「" + sourceFile.string() + "」");
    return static_cast<int>(ReadHistoryRows(historyFile).size());
}

std::vector<Draw> ReadAccessHistoryRowsInChildProcess(const fs::path& cli, const std::string& bytes,
                                                      std::chrono::seconds limit) {
    PrivateFolder folder;
    const fs::path download = folder.Path() / "download.mdb";
    {
        std::ofstream out(download, std::ios::binary);
        out << bytes;
        if (!out.flush()) {
            throw HistoryError("ダウンロードしたファイルを一時フォルダーに書けません。");
        }
    }
    const fs::path history = folder.Path() / "history.mdb";
    try {
        RunImport(cli, download, history, limit, "ダウンロードしたファイル");
    } catch (const HistoryError& e) {
        // The child names the private copy; the user knows it as the download.
        std::string message = e.what();
        const std::string copy = "「" + download.string() + "」";
        if (const auto at = message.find(copy); at != std::string::npos) {
            message.erase(at, copy.size());
        }
        throw HistoryError(message);
    }
    return ReadHistoryRows(history);
}

}  // namespace pirumo
