// Where a minimised window draws its icon: centred in the client area.
#pragma once

#include <cstdint>

// (clientExtent - iconExtent + 1) / 2 in signed 32-bit arithmetic, truncating toward zero,
// so a client narrower than the icon gives a negative offset. Wraps as the 32-bit
// arithmetic does instead of overflowing.
constexpr std::int32_t minimisedIconOffset(std::int32_t clientExtent, std::int32_t iconExtent) {
    const auto diff = static_cast<std::int32_t>(static_cast<std::uint32_t>(clientExtent) -
                                                static_cast<std::uint32_t>(iconExtent) + 1u);
    return diff / 2;
}
