// The program icon IDI_PROGRAM: the bytes of res/program.ico, compiled into the program.
#pragma once

#include <span>

std::span<const unsigned char> programIconData();
