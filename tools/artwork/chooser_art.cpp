#include "chooser_art.h"

#include "category_icons.h"
#include "chooser_icons.h"

namespace velmora::artwork {
namespace {

struct ChooserIds {
    int scale;
    int firstCategoryId;  // + code 1..10
    int firstSkillId;     // + level 1..3
    int firstTimeId;      // + class 1..4
    int folderId;
    int starsId;
    int clockId;
    int resetId;
    int favouriteId;
    int leftArrowId;
    int rightArrowId;
};

constexpr ChooserIds kStandardIds{1, 249, 259, 262, 267, 268, 269, 290, 292, 294, 296};
constexpr ChooserIds kVgaIds{2, 269, 279, 282, 287, 288, 289, 291, 293, 295, 297};

}  // namespace

void drawChooserArt(BuildConfiguration configuration, const GridLibrary& grids, std::vector<Bitmap>& out)
{
    const ChooserIds& ids = configuration == BuildConfiguration::vga ? kVgaIds : kStandardIds;
    for (int code = 1; code <= kCategoryIconCount; ++code)
        out.push_back({"BITMAP", ids.firstCategoryId + code, categoryIcon(grids, code, ids.scale)});
    for (int level = 1; level <= 3; ++level)
        out.push_back({"BITMAP", ids.firstSkillId + level, skillIcon(grids, level, ids.scale)});
    for (int timeClass = 1; timeClass <= 4; ++timeClass)
        out.push_back({"BITMAP", ids.firstTimeId + timeClass, timeIcon(grids, timeClass, ids.scale)});
    out.push_back({"BITMAP", ids.folderId, folderIcon(grids, ids.scale)});
    out.push_back({"BITMAP", ids.starsId, starsIcon(grids, ids.scale)});
    out.push_back({"BITMAP", ids.clockId, clockIcon(grids, ids.scale)});
    out.push_back({"BITMAP", ids.resetId, resetIcon(grids, ids.scale)});
    out.push_back({"BITMAP", ids.favouriteId, favouriteIcon(grids, ids.scale)});
    out.push_back({"BITMAP", ids.leftArrowId, arrowIcon(grids, false, ids.scale)});
    out.push_back({"BITMAP", ids.rightArrowId, arrowIcon(grids, true, ids.scale)});
}

}  // namespace velmora::artwork
