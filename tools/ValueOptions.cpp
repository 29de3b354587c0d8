#include "ValueOptions.h"

#include <cstdlib>

#include "TitleText.h"

// Interim until the shared exchange lands: digits only.
std::optional<ValueRefusal> applyValueTexts(const ValueTexts& t, ConfigValues& values) {
    ConfigValues v = values;
    if (t.title) {
        v.titleName = titleFromUtf8(*t.title);
        if (v.titleName.size() > 31) return ValueRefusal{"Title Name", "Please enter no more than 31 characters."};
    }
    if (t.hwType) v.hwType = static_cast<std::uint8_t>(std::strtoul(t.hwType->c_str(), nullptr, 10));
    if (t.keyAddr) v.keyAddr = static_cast<std::uint32_t>(std::strtoul(t.keyAddr->c_str(), nullptr, 10));
    if (t.style) v.style = static_cast<std::uint8_t>(std::strtoul(t.style->c_str(), nullptr, 10));
    if (t.customerId) v.customerId = static_cast<std::uint32_t>(std::strtoul(t.customerId->c_str(), nullptr, 10));
    if (t.jpegAddr) v.jpegAddr = static_cast<std::int32_t>(std::strtol(t.jpegAddr->c_str(), nullptr, 10));
    values = v;
    return std::nullopt;
}
