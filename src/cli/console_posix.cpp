#include "cli/console.h"

#include <sys/ioctl.h>
#include <unistd.h>

bool StandardErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

int TerminalColumns()
{
    winsize size{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}
