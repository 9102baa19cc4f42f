#include "script/script_process.h"

#include "platform/words.h"
#include "script/call_filter.h"
#include "script/owned_resources.h"
#include "script/sandbox.h"

#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace script {

extern const char* const kTracerSource;

namespace {

constexpr const char* kPython = "/usr/bin/python3";
// The arguments that run the tracer, in the sandbox where there is one.
std::vector<std::string> Command()
{
    std::vector<std::string> command = SandboxCommand();
    for (const char* argument : {kPython, "-I", "-S", "-B", "-c"}) command.emplace_back(argument);
    command.emplace_back(kTracerSource);
    return command;
}

// What the tracer reads first: the file's name, the steps' limit, whether to report the lines
// and local numbers, the call filter it loads before the script's code runs, and the items;
// then the text.
std::string Input(const ScriptFile& file, const std::vector<float>& items, std::uint64_t limit, bool notes)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string filter;
    for (const unsigned char byte : CallFilter()) filter += {kHex[byte >> 4], kHex[byte & 15]};
    std::string name = file.name;
    for (char& c : name)
        if (c == '\n' || c == '\r') c = '?';
    std::string input =
        "name " + name + "\nlimit " + std::to_string(limit) + "\nnotes " + (notes ? "1" : "0") + "\nguard " + filter + "\nitems";
    for (std::size_t i = 1; i < items.size(); ++i) {
        char text[32];
        input += ' ';
        input.append(text, std::to_chars(text, text + sizeof text, items[i]).ptr);
    }
    return input + "\n\n" + file.source;
}

std::string TookTooLong(const ScriptLimits& limits)
{
    return platform::Fill(platform::Words("script", "did not finish within %1 s: is there a loop that never ends?"),
                          {std::to_string(static_cast<int>(limits.seconds))});
}

// The child's status where Landlock could not be set up, before anything ran.
constexpr int kNotConfined = 125;

// In the child, between fork and exec: only calls that are safe there.
[[noreturn]] void BecomeTracer(int input, int report, const char* folder, const ScriptLimits& limits, pid_t parent,
                               bool confine, char* const argv[], char* const env[])
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    // Nothing of the program's signals: every signal as the system has it, none blocked, and a
    // session of its own, which the program ends whole.
    struct sigaction usual {};
    usual.sa_handler = SIG_DFL;
    for (int each = 1; each < NSIG; ++each) sigaction(each, &usual, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    setsid();
    const int nothing = open("/dev/null", O_RDWR);
    dup2(input, 0);
    dup2(nothing, 1);
    dup2(nothing, 2);
    dup2(report, 3);
    close_range(4, ~0U, 0);  // every other descriptor the program has open
    if (chdir(folder) != 0) _exit(127);
    const auto limit = [](int resource, rlim_t value) {
        const rlimit both{value, value};
        setrlimit(resource, &both);
    };
    limit(RLIMIT_AS, limits.memoryBytes);
    limit(RLIMIT_CPU, static_cast<rlim_t>(limits.seconds) + 1);
    limit(RLIMIT_FSIZE, 0);
    limit(RLIMIT_CORE, 0);
    if (confine && !ConfineToSystem()) _exit(kNotConfined);
    execve(argv[0], argv, env);
    _exit(127);
}

// The parent's side: the input written, the report read, until the run ends or a limit or
// the caller ends it; why it was ended, if it was.
std::optional<std::string> Follow(Descriptor& input, const Descriptor& report, const std::string& text, ScriptRun& run,
                                  const ScriptLimits& limits, const RunWatch& stop)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limits.seconds);
    fcntl(input.Get(), F_SETFL, O_NONBLOCK);
    std::size_t written = 0;
    std::vector<char> buffer(1 << 16);
    // The most a report may take: far more than a script within the steps' limit writes, and a
    // bound on what one that writes to the report itself can make the program keep.
    std::uint64_t room = std::uint64_t{64} * limits.steps + (1 << 20);
    for (;;) {
        pollfd waits[2] = {{report.Get(), POLLIN, 0}, {input.Get(), POLLOUT, 0}};
        poll(waits, 2, 100);
        if (input.Open() && waits[1].revents) {
            const ssize_t n = write(input.Get(), text.data() + written, text.size() - written);
            written = n > 0 ? written + static_cast<std::size_t>(n) : text.size();  // a closed pipe: no more
            if (written == text.size()) input.Close();
        }
        if (waits[0].revents) {
            if (room == 0) return platform::Words("script", "sent more than any script can");
            const ssize_t n = read(report.Get(), buffer.data(), std::min<std::uint64_t>(buffer.size(), room));
            if (n <= 0) return std::nullopt;
            room -= static_cast<std::uint64_t>(n);
            run.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
            if (run.Done()) return std::nullopt;
        }
        if (stop && stop(run.StepsCounted())) return platform::Words("script", "was stopped");
        if (std::chrono::steady_clock::now() > deadline) return TookTooLong(limits);
    }
}

// Why a process that sent no end stopped: by itself, by a limit of the system's, or ended here
// after it had closed its report.
std::string Stopped(int status, bool killedHere, const ScriptLimits& limits)
{
    using platform::Words;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotConfined)
        return Words("script", "cannot run: the kernel refused to confine it");
    if (WIFEXITED(status))
        return platform::Fill(Words("script", "ended early, before its sort was done: its process exited with status %1"),
                              {std::to_string(WEXITSTATUS(status))});
    if (!killedHere && WIFSIGNALED(status) && (WTERMSIG(status) == SIGXCPU || WTERMSIG(status) == SIGKILL))
        return TookTooLong(limits);
    return Words("script", "ended without a word: its process stopped");
}

// Why the file is not run here, if it is not.
std::optional<std::string> WhyNotRun(const ScriptFile& file)
{
    if (!PythonAvailable()) return platform::Words("script", "cannot run: python3 is not installed");
    if (CallFilter().empty()) return platform::Words("script", "cannot run: the filter of its system calls cannot be made");
    if (AvailableProtection() == Protection::None && !file.unprotectedAllowed)
        return platform::Fill(platform::Words("script", "was not run: it cannot be protected here (%1)"), {WhyUnprotected()});
    return std::nullopt;
}

}  // namespace

bool PythonAvailable() { return access(kPython, X_OK) == 0; }

ScriptRun RunScript(const ScriptFile& file, const std::vector<float>& items, const ScriptLimits& limits, bool keepSteps,
                    const RunWatch& stop)
{
    ScriptRun run(items, limits.steps, keepSteps);
    if (const auto why = WhyNotRun(file)) {
        run.Finish(why);
        return run;
    }
    const Protection protection = AvailableProtection();
    std::vector<std::string> command = Command();
    std::vector<char*> argv;
    for (std::string& argument : command) argv.push_back(argument.data());
    argv.push_back(nullptr);
    // The one environment, which the sandbox passes on: nothing of the user's.
    std::string path = "PATH=/usr/bin", lang = "LANG=C.UTF-8";
    char* env[] = {path.data(), lang.data(), nullptr};
    const std::string noProcess = platform::Words("script", "cannot run: no process could be started");
    auto folder = ScratchFolder::Make("sorting-script-");
    auto input = Pipe::Make();
    auto report = Pipe::Make();
    if (!folder || !input || !report) {
        run.Finish(noProcess);
        return run;
    }
    const pid_t parent = getpid();
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0)
        BecomeTracer(input->read.Get(), report->write.Get(), folder->Path().c_str(), limits, parent,
                     protection == Protection::Confined, argv.data(), env);
    ChildGroup child(pid);
    input->read.Close();
    report->write.Close();
    // A pipe closed early raises SIGPIPE on a write: this thread ignores it while it writes.
    sigset_t pipeSignal, before;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &before);
    const auto killedFor = child.Started() ? Follow(input->write, report->read, Input(file, items, limits.steps, keepSteps),
                                                    run, limits, stop)
                                           : std::optional<std::string>(noProcess);
    // A run that ended, or a report closed, leaves the process a moment to end by itself.
    const int status = child.End(killedFor ? std::chrono::milliseconds(0) : std::chrono::milliseconds(1000));
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - started;
    input->write.Close();
    const timespec now{0, 0};
    while (sigtimedwait(&pipeSignal, nullptr, &now) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    std::optional<std::string> why = killedFor ? killedFor : run.Done() ? std::nullopt : std::optional(Stopped(status, child.Killed(), limits));
    if (!why && run.End().seconds > wall.count()) why = CannotHaveMeasured();
    run.Finish(why, protection == Protection::None);
    return run;
}

}  // namespace script
