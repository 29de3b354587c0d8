#include "HelpTopic.h"

#include "resource.h"

std::uint32_t helpTopicFor(std::uint32_t promptContext, int frontDialogId) {
    if (promptContext != 0) return promptContext;
    return HID_BASE_RESOURCE + static_cast<std::uint32_t>(frontDialogId);
}
