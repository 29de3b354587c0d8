// The process-wide help-prompt context and its scoped setter.
#include "HelpContext.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(HelpContext, NoneAtStart) { EXPECT_EQ(AfxGetHelpPromptContext(), 0u); }

TEST(HelpContext, ScopesNestAndRestore) {
    EXPECT_EQ(helpPromptContextFor(0xF116), 0x3F116u);
    {
        ScopedHelpPromptContext outer(0x20066);
        EXPECT_EQ(AfxGetHelpPromptContext(), 0x20066u);
        {
            ScopedHelpPromptContext inner(helpPromptContextFor(0xF110));
            EXPECT_EQ(AfxGetHelpPromptContext(), 0x3F110u);
        }
        EXPECT_EQ(AfxGetHelpPromptContext(), 0x20066u);
    }
    EXPECT_EQ(AfxGetHelpPromptContext(), 0u);
}

TEST(HelpContext, RestoredWhenTheScopeThrows) {
    AfxSetHelpPromptContext(7);
    EXPECT_THROW(
        {
            ScopedHelpPromptContext during(0x3F114);
            throw std::runtime_error("box failed");
        },
        std::runtime_error);
    EXPECT_EQ(AfxGetHelpPromptContext(), 7u);
    AfxSetHelpPromptContext(0);
}

}  // namespace
