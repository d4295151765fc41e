#include "support/cli_runner.h"

#include "support/temp_dir.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace quavis::test {

CliResult RunCli(const std::vector<std::string>& args)
{
    TempDir dir;
    const auto outPath = dir / "stdout";
    const auto errPath = dir / "stderr";
    std::vector<std::string> argv{QUAVIS_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || in < 0) _exit(127);
        dup2(out, 1);
        dup2(err, 2);
        dup2(in, 0);
        execv(cargv[0], cargv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileBytes(outPath);
    result.err = ReadFileBytes(errPath);
    return result;
}

} // namespace quavis::test
