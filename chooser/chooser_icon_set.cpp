#include "chooser_icon_set.h"

namespace velmora {
namespace {

void load(Surface& surface, const ResourceTable& resources, int id)
{
    if (id != 0)
        surface.LoadBitmap(resources, id);
}

template <std::size_t N>
const Surface& at(const std::array<Surface, N>& surfaces, int index, const Surface& none)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? surfaces[static_cast<std::size_t>(index)] : none;
}

}  // namespace

ChooserIconSet::ChooserIconSet(const ResourceTable& resources, BuildConfiguration configuration)
{
    for (int i = 0; i < kButtonIcons; ++i)
        load(buttonIcons_[static_cast<std::size_t>(i)], resources,
             chooserIconId(static_cast<ChooserIcon>(i), configuration));
    for (int code = 1; code < kCategories; ++code)
        load(categories_[static_cast<std::size_t>(code)], resources, categoryIconId(code, configuration));
    for (int level = 1; level < kSkills; ++level)
        load(skills_[static_cast<std::size_t>(level)], resources, skillIconId(level, configuration));
    for (int timeClass = 1; timeClass < kTimeClasses; ++timeClass)
        load(times_[static_cast<std::size_t>(timeClass)], resources, timeIconId(timeClass, configuration));
}

const Surface& ChooserIconSet::icon(ChooserIcon icon) const
{
    return at(buttonIcons_, static_cast<int>(icon), none_);
}

const Surface& ChooserIconSet::category(int category) const { return at(categories_, category, none_); }
const Surface& ChooserIconSet::skill(int skill) const { return at(skills_, skill, none_); }
const Surface& ChooserIconSet::time(int timeClass) const { return at(times_, timeClass, none_); }

}  // namespace velmora
