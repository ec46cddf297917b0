#pragma once

// Whether standard error is a terminal, where progress is redrawn in place.
bool StandardErrorIsTerminal();

// The width of the terminal behind standard error in columns; 0 when it is not known.
int TerminalColumns();
