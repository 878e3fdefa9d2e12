// Typed forms of the program's non-custom resources and their byte encodings.
//
// Every resource lives in a ResourceTable as bytes under a type name and an
// id. This file fixes the type names and the byte layouts of bitmaps, menus,
// menu bars, dialog templates and accelerator tables, so that resource
// libraries (which do not link Qt) can register them and the window framework
// can read them back. Decoding checks every length: damaged bytes give
// std::nullopt, never a crash.
//
// Encodings other than BITMAP start with a one-byte format version (1);
// integers are little-endian; a text is a uint16 byte count and UTF-8 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resource_table.h"

namespace velmora {

inline constexpr const char* kStringType = "STRING";
inline constexpr const char* kBitmapType = "BITMAP";
inline constexpr const char* kMenuType = "MENU";
inline constexpr const char* kMenuBarType = "MENUBAR";
inline constexpr const char* kDialogType = "DIALOG";
inline constexpr const char* kAcceleratorType = "ACCEL";

// ---- Bitmaps ---------------------------------------------------------------
// uint16 width, uint16 height, then width * height pixels, top row first,
// 3 bytes each (R, G, B). The size must be exactly 4 + width * height * 3.
struct BitmapData {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row-major, top row first
};
Bytes encodeBitmap(const BitmapData& bitmap);
std::optional<BitmapData> decodeBitmap(ByteView bytes);

// ---- Menus -----------------------------------------------------------------
// A popup menu: commands and separators in display order.
struct MenuItem {
    int command = 0;         // 0 for a separator
    std::string text;        // UTF-8; empty for a separator
    bool separator = false;
};
struct MenuResource {
    std::vector<MenuItem> items;
};
Bytes encodeMenu(const MenuResource& menu);
std::optional<MenuResource> decodeMenu(ByteView bytes);

// ---- Menu bars -------------------------------------------------------------
// A menu-bar definition: the menu whose popup the dropdown button opens, then
// the buttons left to right. In softkey mode the text buttons show their
// label strings; in icon mode the buttons show toolbar images and separators
// leave a gap.
struct MenuBarButton {
    int image = -1;           // toolbar image index, -1 for none
    int command = 0;          // command id sent to the owner (0 for a separator)
    bool enabled = true;
    bool dropdown = false;    // opens the bar's popup menu instead of sending command
    int labelStringId = 0;    // string-table id of the label, 0 for none
    int tooltipStringId = 0;  // string-table id of the tooltip, 0 for none
    bool separator = false;
};
struct MenuBarResource {
    int menuId = 0;  // menu opened by a dropdown button, 0 for none
    std::vector<MenuBarButton> buttons;
};
Bytes encodeMenuBar(const MenuBarResource& bar);
std::optional<MenuBarResource> decodeMenuBar(ByteView bytes);

// ---- Dialog templates ------------------------------------------------------
// Positions and sizes are dialog units of the template's font: a horizontal
// unit is a quarter of the font's average character width, a vertical unit an
// eighth of its height.
enum class ControlKind : std::uint8_t {
    label,            // static text
    picture,          // static bitmap
    checkBox,
    dropDownList,     // a list that opens downwards, no typing
    pushButton,
    ownerDrawButton,  // push button whose face the dialog draws (OnDrawItem)
    editBox,          // one-line text entry
    listBox,          // owner-drawn fixed rows, each with a value
    listView,         // owner-drawn single-column report view without header
    tabControl,
};

enum class TextAlign : std::uint8_t { left, centre, right };

// Control style bits.
inline constexpr std::uint32_t kControlHidden = 1u << 0;        // created hidden
inline constexpr std::uint32_t kControlDisabled = 1u << 1;
inline constexpr std::uint32_t kControlVerticalScroll = 1u << 2; // list with a scroll bar
inline constexpr std::uint32_t kControlNotify = 1u << 3;         // reports clicks and selections
inline constexpr std::uint32_t kControlBold = 1u << 4;           // bold text
inline constexpr std::uint32_t kControlMultiLine = 1u << 5;      // label wraps its text

struct ControlTemplate {
    ControlKind kind = ControlKind::label;
    int id = -1;  // IDC_STATIC for controls never addressed
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    TextAlign align = TextAlign::left;
    std::uint32_t style = 0;
};

struct DialogTemplate {
    int width = 0;   // dialog units
    int height = 0;  // dialog units
    std::string fontFace = "Tahoma";
    int fontPoints = 8;
    std::vector<ControlTemplate> controls;
};
Bytes encodeDialog(const DialogTemplate& dialog);
std::optional<DialogTemplate> decodeDialog(ByteView bytes);

// ---- Accelerators ----------------------------------------------------------
inline constexpr std::uint8_t kAccelShift = 1;
inline constexpr std::uint8_t kAccelControl = 2;
inline constexpr std::uint8_t kAccelAlt = 4;

struct Accelerator {
    std::uint8_t modifiers = 0;  // kAccel* bits
    int virtualKey = 0;          // messages.h VK_* or an upper-case letter
    int command = 0;
};
struct AcceleratorTable {
    std::vector<Accelerator> entries;
};
Bytes encodeAccelerators(const AcceleratorTable& table);
std::optional<AcceleratorTable> decodeAccelerators(ByteView bytes);

// ---- Lookups ---------------------------------------------------------------
// Each answers std::nullopt for a missing or damaged resource.
std::optional<std::string> findString(const ResourceTable& table, int id);
std::optional<BitmapData> findBitmap(const ResourceTable& table, int id);
std::optional<MenuResource> findMenu(const ResourceTable& table, int id);
std::optional<MenuBarResource> findMenuBar(const ResourceTable& table, int id);
std::optional<DialogTemplate> findDialog(const ResourceTable& table, int id);
std::optional<AcceleratorTable> findAccelerators(const ResourceTable& table, int id);

// Registration helpers for resource libraries.
void addString(ResourceTable& table, int id, std::string_view utf8);
void addMenu(ResourceTable& table, int id, const MenuResource& menu);
void addMenuBar(ResourceTable& table, int id, const MenuBarResource& bar);
void addDialog(ResourceTable& table, int id, const DialogTemplate& dialog);
void addAccelerators(ResourceTable& table, int id, const AcceleratorTable& accelerators);

}  // namespace velmora
