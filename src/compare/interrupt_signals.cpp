#include "compare/interrupt_signals.h"

#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace compare {
namespace {

int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t caught = 0;

extern "C" void Note(int signal)
{
    caught = signal;
    const char wake = 1;
    [[maybe_unused]] const auto written = write(signalPipe[1], &wake, 1);
}

}  // namespace

InterruptSignals::InterruptSignals()
{
    if (signalPipe[0] < 0 && pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("cannot make a pipe");
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int InterruptSignals::Descriptor() const { return signalPipe[0]; }

int InterruptSignals::Caught() const { return caught; }

}  // namespace compare
