#pragma once

namespace compare {

// SIGINT and SIGTERM, caught rather than fatal: each is noted and makes a descriptor
// readable, so that a loop waiting on it can end the program in order.
class InterruptSignals {
public:
    InterruptSignals();

    int Descriptor() const;
    // The signal caught, or 0 while none has come.
    int Caught() const;
};

}  // namespace compare
