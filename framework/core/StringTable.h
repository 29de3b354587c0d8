// The string table: the program's string 101 and the framework's standard messages, by id.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The string with that id; empty when the table has no such string.
std::string AfxLoadString(unsigned id);

// `pattern` with every "%1" replaced by `arg`.
std::string AfxFormatString1(std::string_view pattern, std::string_view arg);
// Loads string `id` and replaces its "%1" by `arg`.
std::string AfxFormatString1(unsigned id, std::string_view arg);

// Replaces one string of the table while it lives (nullopt: the string is missing),
// then restores what was there. Lets tests and callers see an empty or missing string.
class ScopedStringOverride {
public:
    ScopedStringOverride(unsigned id, std::optional<std::string> text);
    ~ScopedStringOverride();
    ScopedStringOverride(const ScopedStringOverride&) = delete;
    ScopedStringOverride& operator=(const ScopedStringOverride&) = delete;

private:
    unsigned m_id;
    bool m_hadOverride;
    std::optional<std::string> m_previous;
};
