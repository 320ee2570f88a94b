// A child process. The destructor releases what the system keeps for it
// (Windows: the process handle, then the thread handle) without waiting for
// it or stopping it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "os/Pipe.h"

namespace kv::os {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Runs commandLine, which begins with "cmd.exe /C ", through the system's
    // command interpreter, hidden, with folder as its current folder, this
    // process's standard input passed on, and standard output and error both
    // on output's write end. Windows hands the whole line to the process
    // creation; POSIX runs /bin/sh -c on what follows "cmd.exe /C ". False
    // when the interpreter cannot be started (nothing is running then).
    bool StartCommand(const std::u16string& commandLine, const std::u16string& folder, const Pipe& output);

    // Runs program directly with these arguments (each arrives whole), in
    // folder, standard output on out's write end and standard error on err's.
    bool StartProgram(const std::u16string& program, const std::vector<std::u16string>& args,
                      const std::u16string& folder, const Pipe& out, const Pipe& err);

    bool Started() const { return process_ != kInvalid; }
    // Waits without a time limit until the child has ended.
    void Wait();
    // Waits at most timeoutMs; true when the child has ended.
    bool WaitFor(int timeoutMs);
    // Stops the child at once (it is still to be waited for).
    void Kill();
    // The child's exit code once it has been waited for (POSIX: 128 + the
    // signal's number when a signal ended it); -1 before.
    int ExitCode() const { return exitCode_; }

private:
    void Release();

    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t process_ = kInvalid; // Windows: process handle; POSIX: pid
    std::intptr_t thread_ = kInvalid;  // Windows only
    int exitCode_ = -1;
};

// The characters of the command interpreter that would make it run something
// other than the command when they stand unquoted in a path.
const std::u16string& InterpreterMetacharacters();

} // namespace kv::os
