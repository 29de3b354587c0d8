#include "HelpContext.h"

namespace {
// One thread runs the whole user interface, so a plain process-wide value suffices.
std::uint32_t g_helpPromptContext = 0;
}  // namespace

std::uint32_t AfxGetHelpPromptContext() { return g_helpPromptContext; }
void AfxSetHelpPromptContext(std::uint32_t context) { g_helpPromptContext = context; }

ScopedHelpPromptContext::ScopedHelpPromptContext(std::uint32_t context)
    : m_previous(g_helpPromptContext) {
    g_helpPromptContext = context;
}

ScopedHelpPromptContext::~ScopedHelpPromptContext() { g_helpPromptContext = m_previous; }
