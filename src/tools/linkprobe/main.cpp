// linkprobe.exe: checks a simulator link by hand (see LinkProbe.h).
#include <iostream>
#include <string>
#include <vector>

#include "platform/win32/Win32LinkOs.h"
#include "tools/linkprobe/LinkProbe.h"

int main(int argc, char** argv) {
    wendox::Win32LinkOs os;
    const std::vector<std::string> args(argv + 1, argv + argc);
    return wendox::RunLinkProbe(os, args, std::cout, std::cerr);
}
