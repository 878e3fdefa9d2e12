#include "key_codes.h"

#include <Qt>

#include "messages.h"

namespace velmora {

namespace {

struct KeyPair {
    int qtKey;
    int virtualKey;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},   {Qt::Key_Shift, VK_SHIFT},   {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},       {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},   {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},      {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},    {Qt::Key_Down, VK_DOWN},     {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_F1, VK_F1},
};

}  // namespace

int virtualKeyFromQt(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;  // Qt uses the upper-case ASCII codes as well
    for (const KeyPair& pair : kKeys) {
        if (pair.qtKey == qtKey)
            return pair.virtualKey;
    }
    return 0;
}

int qtKeyFromVirtualKey(int virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return virtualKey;
    for (const KeyPair& pair : kKeys) {
        if (pair.virtualKey == virtualKey)
            return pair.qtKey;
    }
    return 0;
}

}  // namespace velmora
