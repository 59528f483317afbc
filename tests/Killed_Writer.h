// A writer killed in the middle of its work, for the durability tests: a copy of the test process
// writes and acknowledges each write once it has returned; the test kills it with SIGKILL a while
// after a given number of acknowledgements, so the kill lands anywhere inside a write.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace Vexlor::Testing {

// Runs write in a forked copy; write calls acknowledge after every write that has returned. The
// copy is killed delay after kill_after acknowledgements (it must not end on its own before).
// Returns how many writes had returned.
inline int Write_And_Kill(const std::function<void(const std::function<void()>& acknowledge)>& write,
                          int kill_after, std::chrono::microseconds delay) {
    int acknowledgements[2];
    EXPECT_EQ(::pipe(acknowledgements), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::close(acknowledgements[0]);
        const char written = 1;
        write([&] {
            if (::write(acknowledgements[1], &written, 1) != 1)
                ::_exit(3);
        });
        ::_exit(0);
    }
    ::close(acknowledgements[1]);
    int returned = 0;
    for (char written; ::read(acknowledgements[0], &written, 1) == 1;)
        if (++returned == kill_after) {
            std::this_thread::sleep_for(delay);
            ::kill(writer, SIGKILL);
        }
    ::close(acknowledgements[0]);
    int status = 0;
    ::waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the writer was not killed: " << status;
    return returned;
}

} // namespace Vexlor::Testing
