#ifndef _WIN32

#include <limits.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

#include "xls/io/save_signals.h"

namespace xls {

namespace {

constexpr std::array<int, 3> kInterrupts{SIGINT, SIGTERM, SIGHUP};

sigset_t interruptSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kInterrupts) {
        sigaddset(&set, signal);
    }
    return set;
}

// What the handler needs. A handler receives nothing but the signal number,
// so this is the one place a save keeps state outside its objects.
struct InterruptRemoval {
    std::atomic<bool> taken{false};  // by a living RemovedOnInterrupt
    char path[PATH_MAX] = {};
    volatile sig_atomic_t armed = 0;
    std::array<struct sigaction, kInterrupts.size()> previous{};
    std::array<bool, kInterrupts.size()> installed{};
};

constinit InterruptRemoval interruptRemoval;

// Only async-signal-safe calls: unlink, sigaction, raise.
extern "C" void removeTemporaryFileAndEnd(int signal) {
    InterruptRemoval& state = interruptRemoval;
    if (state.armed) {
        ::unlink(state.path);
    }
    struct sigaction ending {};
    ending.sa_handler = SIG_DFL;
    sigemptyset(&ending.sa_mask);
    ::sigaction(signal, &ending, nullptr);
    // Blocked while the handler runs: delivered, and ending the process, as
    // soon as it returns.
    ::raise(signal);
}

void installHandlers(InterruptRemoval& state) {
    struct sigaction handler {};
    handler.sa_handler = removeTemporaryFileAndEnd;
    handler.sa_mask = interruptSet();
    for (std::size_t i = 0; i < kInterrupts.size(); ++i) {
        struct sigaction current {};
        ::sigaction(kInterrupts[i], nullptr, &current);
        const bool ends = (current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == SIG_DFL;
        state.installed[i] = ends && ::sigaction(kInterrupts[i], &handler, &state.previous[i]) == 0;
    }
}

void restoreHandlers(InterruptRemoval& state) {
    for (std::size_t i = 0; i < kInterrupts.size(); ++i) {
        if (state.installed[i]) {
            ::sigaction(kInterrupts[i], &state.previous[i], nullptr);
            state.installed[i] = false;
        }
    }
}

}  // namespace

SignalsHeld::SignalsHeld() {
    const sigset_t held = interruptSet();
    ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

SignalsHeld::~SignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

RemovedOnInterrupt::RemovedOnInterrupt(const std::string& path) {
    InterruptRemoval& state = interruptRemoval;
    if (path.size() >= sizeof state.path || state.taken.exchange(true)) {
        return;
    }
    kept_ = true;
    std::memcpy(state.path, path.c_str(), path.size() + 1);
    state.armed = 1;
    installHandlers(state);
}

RemovedOnInterrupt::~RemovedOnInterrupt() {
    if (!kept_) {
        return;
    }
    InterruptRemoval& state = interruptRemoval;
    restoreHandlers(state);
    state.armed = 0;
    state.taken = false;
}

FileSizeSignalIgnored::FileSizeSignalIgnored() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, &previous_);
}

FileSizeSignalIgnored::~FileSizeSignalIgnored() {
    ::sigaction(SIGXFSZ, &previous_, nullptr);
}

}  // namespace xls

#endif  // !_WIN32
