// The title's bytes as UTF-8 text and back, through the editor's code page.
#pragma once

#include <string>

// The title's text in UTF-8, every byte mapped through the code page.
std::string titleToUtf8(const std::string& titleBytes);

// As titleToUtf8, but control characters (C0, DEL and the code page's C1 bytes) are
// written as \xNN so a title cannot move the cursor or drive the terminal.
std::string titleForTerminal(const std::string& titleBytes);

// The title's bytes in lower-case hex, two digits each.
std::string titleHex(const std::string& titleBytes);
