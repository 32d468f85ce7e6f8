#include "app/window_program.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#ifdef __linux__
#include <unistd.h>

#include <filesystem>
#endif

namespace ek::app {

#ifdef __linux__

int startWindowProgram(const char* fileName, char** argv, std::ostream& errors) {
    std::error_code failure;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failure);
    if (failure) {
        errors << "The window program cannot be found: " << failure.message() << '\n';
        return 1;
    }
    const std::string program = (self.parent_path() / fileName).string();
    ::execv(program.c_str(), argv);
    errors << "The window program " << program << " cannot be started: " << std::strerror(errno)
           << '\n';
    return 1;
}

#else

int startWindowProgram(const char* fileName, char**, std::ostream& errors) {
    errors << "The window program " << fileName << " cannot be started on this system.\n";
    return 1;
}

#endif

}  // namespace ek::app
