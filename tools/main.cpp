// brevant-cfg: read, check and write Orvo record files from scripts.
#include <iostream>

#include "CommandLine.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);   // verify writes one line per file; keep it buffered
    return runCommandLine(argc, argv);
}
