// The status icons of the play screen in the order they are drawn: the affliction row under
// the view and the enhancements panel. The affliction and effect help find the icon under
// the cursor by this same order.
#pragma once

#include <array>
#include <cstdint>
#include <span>

struct StatusIcon {
    int16_t Icon;       // UiIcons; the beast form's follows the form
    int16_t HelpTopic;  // the topic of the affliction or effect help
    int (*Active)();
};

extern const std::array<StatusIcon, 17> AfflictionIcons;
extern const std::array<StatusIcon, 18> EnhancementIcons;

// The picture of an active entry as drawn now.
int16_t StatusIconPicture(const StatusIcon& icon);
// The help topic of the k-th active entry (k from 1); 0 when fewer are active.
int16_t NthActiveTopic(std::span<const StatusIcon> icons, int32_t k);
