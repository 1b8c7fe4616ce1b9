// The program's own options (--help, --version), read before the window system is touched.
#pragma once

#include <string>

namespace tk {

// What main() does with its command line.
struct CommandLineAnswer {
    bool Start = true;  // false: print the texts and end with Status
    int Status = 0;
    std::string Out;    // for standard output
    std::string Error;  // for standard error
};

// Reads argv without any Qt object, so that --help and --version work without a display.
// The toolkit's own window-system options (-platform NAME, -display NAME, -style NAME, ...)
// are left to Qt; anything else is refused with a message and status 2.
CommandLineAnswer ReadCommandLine(int argc, const char *const *argv);

}  // namespace tk
