#include "StringTable.h"

#include <map>

#include "resource.h"

namespace {

// The built-in table. Strings are bytes of the 8-bit code page.
const std::map<unsigned, std::string_view>& builtInStrings() {
    static const std::map<unsigned, std::string_view> table = {
        {IDS_ABOUT_MENU, "&About Brevant..."},
        {AFX_IDP_INVALID_OPERATION, "An unsupported operation was attempted."},
        {AFX_IDP_FAILED_MEMORY_ALLOC, "Out of memory."},
        {AFX_IDP_FAILED_TO_LAUNCH_HELP, "Failed to launch help."},
        {AFX_IDP_INTERNAL_FAILURE, "Internal application error."},
        {AFX_IDP_PARSE_INT, "Please enter an integer."},
        {AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters."},
        {AFX_IDP_PARSE_BYTE, "Please enter an integer between 0 and 255."},
        {AFX_IDP_PARSE_UINT, "Please enter a positive integer."},
    };
    return table;
}

// Active overrides; a nullopt entry hides the built-in string.
std::map<unsigned, std::optional<std::string>>& overrides() {
    static std::map<unsigned, std::optional<std::string>> table;
    return table;
}

}  // namespace

std::string AfxLoadString(unsigned id) {
    if (const auto it = overrides().find(id); it != overrides().end())
        return it->second.value_or(std::string());
    const auto& table = builtInStrings();
    const auto it = table.find(id);
    return it == table.end() ? std::string() : std::string(it->second);
}

std::string AfxFormatString1(std::string_view pattern, std::string_view arg) {
    std::string result;
    result.reserve(pattern.size() + arg.size());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = pattern.find("%1", pos);
        if (hit == std::string_view::npos) break;
        result.append(pattern, pos, hit - pos).append(arg);
        pos = hit + 2;
    }
    result.append(pattern, pos);
    return result;
}

std::string AfxFormatString1(unsigned id, std::string_view arg) {
    return AfxFormatString1(AfxLoadString(id), arg);
}

ScopedStringOverride::ScopedStringOverride(unsigned id, std::optional<std::string> text)
    : m_id(id) {
    auto& table = overrides();
    const auto it = table.find(id);
    m_hadOverride = it != table.end();
    if (m_hadOverride) m_previous = std::move(it->second);
    table[id] = std::move(text);
}

ScopedStringOverride::~ScopedStringOverride() {
    auto& table = overrides();
    if (m_hadOverride)
        table[m_id] = std::move(m_previous);
    else
        table.erase(m_id);
}
