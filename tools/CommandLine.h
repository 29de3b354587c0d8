// brevant-cfg's whole command line: parses the arguments, runs the command, and returns
// the exit status. Reports go to std::cout and std::cerr.
#pragma once

int runCommandLine(int argc, char** argv);
