// The help topic the help key asks for.
#pragma once

#include <cstdint>

// The prompt context of an open framework message box (0x30000 + its string id) when there
// is one, else 0x20000 plus the template number of the dialog in front.
std::uint32_t helpTopicFor(std::uint32_t promptContext, int frontDialogId);
