// The program's help-prompt context: the topic the help key asks for while a framework
// message box is open (0x30000 + its string id); 0 when there is none.
#pragma once

#include <cstdint>

#include "resource.h"

std::uint32_t AfxGetHelpPromptContext();
void AfxSetHelpPromptContext(std::uint32_t context);

// Sets the context while it lives and puts the earlier value back afterwards,
// also when the scope is left by an exception.
class ScopedHelpPromptContext {
public:
    explicit ScopedHelpPromptContext(std::uint32_t context);
    ~ScopedHelpPromptContext();
    ScopedHelpPromptContext(const ScopedHelpPromptContext&) = delete;
    ScopedHelpPromptContext& operator=(const ScopedHelpPromptContext&) = delete;

private:
    std::uint32_t m_previous;
};

// The prompt context of a framework message with this string id.
constexpr std::uint32_t helpPromptContextFor(unsigned stringId) { return HID_BASE_PROMPT + stringId; }
