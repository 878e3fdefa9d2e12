#include "chooser_icons.h"

namespace velmora {
namespace {

bool isVga(BuildConfiguration configuration) { return configuration == BuildConfiguration::vga; }

}  // namespace

int chooserIconId(ChooserIcon icon, BuildConfiguration configuration)
{
    const bool vga = isVga(configuration);
    switch (icon) {
    case ChooserIcon::folder: return vga ? 287 : 267;
    case ChooserIcon::stars: return vga ? 288 : 268;
    case ChooserIcon::clock: return vga ? 289 : 269;
    case ChooserIcon::all: return vga ? 291 : 290;
    case ChooserIcon::favouriteStar: return vga ? 293 : 292;
    case ChooserIcon::leftArrow: return vga ? 295 : 294;
    case ChooserIcon::rightArrow: return vga ? 297 : 296;
    }
    return 0;
}

int categoryIconId(int category, BuildConfiguration configuration)
{
    if (category < 1 || category > 10)
        return 0;
    return (isVga(configuration) ? 269 : 249) + category;
}

int skillIconId(int skill, BuildConfiguration configuration)
{
    if (skill < 1 || skill > 3)
        return 0;
    return (isVga(configuration) ? 279 : 259) + skill;
}

int timeIconId(int timeClass, BuildConfiguration configuration)
{
    if (timeClass < 1 || timeClass > 4)
        return 0;
    return (isVga(configuration) ? 282 : 262) + timeClass;
}

}  // namespace velmora
