#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/Process.h"

namespace kv::test {

ProcessResult RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& scratch)
{
    const auto outFile = scratch / "stdout.txt";
    const auto errFile = scratch / "stderr.txt";
    std::vector<std::string> all{program.string()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(scratch.c_str()) != 0)
            _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    ProcessResult result;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadCapture(outFile);
    result.err = ReadCapture(errFile);
    return result;
}

} // namespace kv::test
