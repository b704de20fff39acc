#pragma once
// The command line and console of a terminal program, as UTF-8.

#include <string>
#include <vector>

namespace quorvex::platform {

// The program's arguments after its name, as UTF-8. On Windows they come from the
// wide command line, so that names the ANSI code page cannot hold arrive whole.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Makes a console window show the program's UTF-8 output as text and writes standard
// output and error as bytes, lines ended by LF alone (Windows); elsewhere the
// terminal takes UTF-8 as it is.
void UseUtf8ConsoleOutput();

} // namespace quorvex::platform
