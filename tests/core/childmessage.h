#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace pirumo::test {

// What `body` returns when run in a forked child: for limits and identities (a file-size limit,
// another user) that must not touch the test process. An empty text when the child fails.
template <typename Body>
std::string MessageFromChild(Body body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        const std::string message = body();
        (void)!::write(pipeFds[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        message.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    ::waitpid(child, nullptr, 0);
    return message;
}

}  // namespace pirumo::test
