// Splits one fuzz input into the parts a target needs. Works the same under libFuzzer
// and under the replay, so a saved input always means the same case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_used == m_size; }

    // The next byte, 0 once the input is used up.
    std::uint8_t byte() { return empty() ? 0 : m_data[m_used++]; }

    // The bytes up to (not including) the next `separator`, or the rest.
    std::string until(char separator) {
        std::string text;
        while (!empty()) {
            const char c = static_cast<char>(m_data[m_used++]);
            if (c == separator) break;
            text += c;
        }
        return text;
    }

    // Everything not yet taken.
    std::string_view rest() {
        std::string_view view(reinterpret_cast<const char*>(m_data) + m_used, m_size - m_used);
        m_used = m_size;
        return view;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_used = 0;
};
