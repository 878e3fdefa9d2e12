// The chooser's icons of one build configuration, loaded once when the
// dialog opens. A missing or damaged bitmap is an empty surface, which the
// drawing code leaves out.
#pragma once

#include <array>

#include "chooser_icons.h"
#include "surface.h"

namespace velmora {

class ChooserIconSet {
public:
    ChooserIconSet(const ResourceTable& resources, BuildConfiguration configuration);

    const Surface& icon(ChooserIcon icon) const;
    // Empty surfaces for values without an icon.
    const Surface& category(int category) const;
    const Surface& skill(int skill) const;
    const Surface& time(int timeClass) const;

private:
    static constexpr int kButtonIcons = 7;   // ChooserIcon values
    static_assert(static_cast<int>(ChooserIcon::rightArrow) + 1 == kButtonIcons);
    static constexpr int kCategories = 11;   // 0 unused, 1..10
    static constexpr int kSkills = 4;        // 0 unused, 1..3
    static constexpr int kTimeClasses = 5;   // 0 unused, 1..4

    std::array<Surface, kButtonIcons> buttonIcons_;
    std::array<Surface, kCategories> categories_;
    std::array<Surface, kSkills> skills_;
    std::array<Surface, kTimeClasses> times_;
    Surface none_;
};

}  // namespace velmora
