#include "resource_formats.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::uint8_t kFormatVersion = 1;

// Appends little-endian integers and length-prefixed texts.
class ByteWriter {
public:
    explicit ByteWriter(std::uint8_t version) { bytes_.push_back(version); }

    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16(std::uint16_t value)
    {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void i32(std::int32_t value)
    {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            bytes_.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    // Texts longer than a uint16 count are cut; resource texts are short.
    void text(std::string_view value)
    {
        const std::size_t length = std::min<std::size_t>(value.size(), 0xFFFF);
        u16(static_cast<std::uint16_t>(length));
        bytes_.insert(bytes_.end(), value.begin(), value.begin() + static_cast<std::ptrdiff_t>(length));
    }
    Bytes take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

// Reads what ByteWriter wrote; any read past the end sets failed and
// returns zero, so a decoder checks once at the end.
class ByteReader {
public:
    explicit ByteReader(ByteView bytes) : bytes_(bytes) {}

    bool versionIs(std::uint8_t version) { return u8() == version && !failed_; }
    std::uint8_t u8()
    {
        if (!has(1))
            return 0;
        return bytes_[position_++];
    }
    std::uint16_t u16()
    {
        if (!has(2))
            return 0;
        const auto value = static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
        position_ += 2;
        return value;
    }
    std::int32_t i32()
    {
        if (!has(4))
            return 0;
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= static_cast<std::uint32_t>(bytes_[position_ + static_cast<std::size_t>(i)]) << (8 * i);
        position_ += 4;
        return static_cast<std::int32_t>(bits);
    }
    bool flag() { return u8() != 0; }
    std::string text()
    {
        const std::size_t length = u16();
        if (!has(length))
            return {};
        std::string value(reinterpret_cast<const char*>(bytes_.data() + position_), length);
        position_ += length;
        return value;
    }
    // A count of items that each take at least minimumItemSize bytes; a count
    // the remaining bytes cannot hold fails at once instead of allocating.
    std::size_t count(std::size_t minimumItemSize)
    {
        const std::size_t value = u16();
        if (value * minimumItemSize > bytes_.size() - std::min(position_, bytes_.size()))
            failed_ = true;
        return failed_ ? 0 : value;
    }
    // True when everything was read and nothing is left over.
    bool complete() const { return !failed_ && position_ == bytes_.size(); }

private:
    bool has(std::size_t size)
    {
        if (failed_ || bytes_.size() - position_ < size) {
            failed_ = true;
            return false;
        }
        return true;
    }

    ByteView bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

template <typename Decoded>
std::optional<Decoded> completeOrNothing(const ByteReader& reader, Decoded value)
{
    if (!reader.complete())
        return std::nullopt;
    return value;
}

}  // namespace

Bytes encodeBitmap(const BitmapData& bitmap)
{
    Bytes bytes;
    bytes.reserve(4 + bitmap.pixels.size() * 3);
    const auto width = static_cast<std::uint16_t>(bitmap.width);
    const auto height = static_cast<std::uint16_t>(bitmap.height);
    bytes.push_back(static_cast<std::uint8_t>(width));
    bytes.push_back(static_cast<std::uint8_t>(width >> 8));
    bytes.push_back(static_cast<std::uint8_t>(height));
    bytes.push_back(static_cast<std::uint8_t>(height >> 8));
    for (const std::uint32_t pixel : bitmap.pixels) {
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
        bytes.push_back(static_cast<std::uint8_t>(pixel));
    }
    return bytes;
}

std::optional<BitmapData> decodeBitmap(ByteView bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    BitmapData bitmap;
    bitmap.width = bytes[0] | (bytes[1] << 8);
    bitmap.height = bytes[2] | (bytes[3] << 8);
    const std::size_t count = static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
    if (count == 0 || bytes.size() != 4 + count * 3)
        return std::nullopt;
    bitmap.pixels.resize(count);
    const std::uint8_t* source = bytes.data() + 4;
    for (std::size_t i = 0; i < count; ++i, source += 3)
        bitmap.pixels[i] = (static_cast<std::uint32_t>(source[0]) << 16) |
                           (static_cast<std::uint32_t>(source[1]) << 8) | source[2];
    return bitmap;
}

Bytes encodeMenu(const MenuResource& menu)
{
    ByteWriter writer(kFormatVersion);
    writer.u16(static_cast<std::uint16_t>(menu.items.size()));
    for (const MenuItem& item : menu.items) {
        writer.u8(item.separator ? 1 : 0);
        writer.i32(item.command);
        writer.text(item.text);
    }
    return writer.take();
}

std::optional<MenuResource> decodeMenu(ByteView bytes)
{
    ByteReader reader(bytes);
    MenuResource menu;
    if (!reader.versionIs(kFormatVersion))
        return std::nullopt;
    const std::size_t count = reader.count(7);
    for (std::size_t i = 0; i < count; ++i) {
        MenuItem item;
        item.separator = reader.flag();
        item.command = reader.i32();
        item.text = reader.text();
        menu.items.push_back(std::move(item));
    }
    return completeOrNothing(reader, std::move(menu));
}

Bytes encodeMenuBar(const MenuBarResource& bar)
{
    ByteWriter writer(kFormatVersion);
    writer.i32(bar.menuId);
    writer.u16(static_cast<std::uint16_t>(bar.buttons.size()));
    for (const MenuBarButton& button : bar.buttons) {
        writer.i32(button.image);
        writer.i32(button.command);
        writer.u8(static_cast<std::uint8_t>((button.enabled ? 1 : 0) | (button.dropdown ? 2 : 0) |
                                            (button.separator ? 4 : 0)));
        writer.i32(button.labelStringId);
        writer.i32(button.tooltipStringId);
    }
    return writer.take();
}

std::optional<MenuBarResource> decodeMenuBar(ByteView bytes)
{
    ByteReader reader(bytes);
    MenuBarResource bar;
    if (!reader.versionIs(kFormatVersion))
        return std::nullopt;
    bar.menuId = reader.i32();
    const std::size_t count = reader.count(17);
    for (std::size_t i = 0; i < count; ++i) {
        MenuBarButton button;
        button.image = reader.i32();
        button.command = reader.i32();
        const std::uint8_t flags = reader.u8();
        button.enabled = (flags & 1) != 0;
        button.dropdown = (flags & 2) != 0;
        button.separator = (flags & 4) != 0;
        button.labelStringId = reader.i32();
        button.tooltipStringId = reader.i32();
        bar.buttons.push_back(button);
    }
    return completeOrNothing(reader, std::move(bar));
}

Bytes encodeDialog(const DialogTemplate& dialog)
{
    ByteWriter writer(kFormatVersion);
    writer.i32(dialog.width);
    writer.i32(dialog.height);
    writer.text(dialog.fontFace);
    writer.i32(dialog.fontPoints);
    writer.u16(static_cast<std::uint16_t>(dialog.controls.size()));
    for (const ControlTemplate& control : dialog.controls) {
        writer.u8(static_cast<std::uint8_t>(control.kind));
        writer.i32(control.id);
        writer.text(control.text);
        writer.i32(control.x);
        writer.i32(control.y);
        writer.i32(control.width);
        writer.i32(control.height);
        writer.u8(static_cast<std::uint8_t>(control.align));
        writer.i32(static_cast<std::int32_t>(control.style));
    }
    return writer.take();
}

std::optional<DialogTemplate> decodeDialog(ByteView bytes)
{
    ByteReader reader(bytes);
    DialogTemplate dialog;
    if (!reader.versionIs(kFormatVersion))
        return std::nullopt;
    dialog.width = reader.i32();
    dialog.height = reader.i32();
    dialog.fontFace = reader.text();
    dialog.fontPoints = reader.i32();
    const std::size_t count = reader.count(28);
    for (std::size_t i = 0; i < count; ++i) {
        ControlTemplate control;
        const std::uint8_t kind = reader.u8();
        if (kind > static_cast<std::uint8_t>(ControlKind::tabControl))
            return std::nullopt;
        control.kind = static_cast<ControlKind>(kind);
        control.id = reader.i32();
        control.text = reader.text();
        control.x = reader.i32();
        control.y = reader.i32();
        control.width = reader.i32();
        control.height = reader.i32();
        const std::uint8_t align = reader.u8();
        if (align > static_cast<std::uint8_t>(TextAlign::right))
            return std::nullopt;
        control.align = static_cast<TextAlign>(align);
        control.style = static_cast<std::uint32_t>(reader.i32());
        dialog.controls.push_back(std::move(control));
    }
    if (dialog.width < 0 || dialog.height < 0 || dialog.fontPoints <= 0)
        return std::nullopt;
    return completeOrNothing(reader, std::move(dialog));
}

Bytes encodeAccelerators(const AcceleratorTable& table)
{
    ByteWriter writer(kFormatVersion);
    writer.u16(static_cast<std::uint16_t>(table.entries.size()));
    for (const Accelerator& entry : table.entries) {
        writer.u8(entry.modifiers);
        writer.i32(entry.virtualKey);
        writer.i32(entry.command);
    }
    return writer.take();
}

std::optional<AcceleratorTable> decodeAccelerators(ByteView bytes)
{
    ByteReader reader(bytes);
    AcceleratorTable table;
    if (!reader.versionIs(kFormatVersion))
        return std::nullopt;
    const std::size_t count = reader.count(9);
    for (std::size_t i = 0; i < count; ++i) {
        Accelerator entry;
        entry.modifiers = reader.u8();
        entry.virtualKey = reader.i32();
        entry.command = reader.i32();
        table.entries.push_back(entry);
    }
    return completeOrNothing(reader, std::move(table));
}

namespace {

template <typename Decoder>
auto findDecoded(const ResourceTable& table, const char* type, int id, Decoder decode)
    -> decltype(decode(ByteView{}))
{
    const std::optional<ByteView> bytes = table.find(type, id);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes);
}

}  // namespace

std::optional<std::string> findString(const ResourceTable& table, int id)
{
    const std::optional<ByteView> bytes = table.find(kStringType, id);
    if (!bytes)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

std::optional<BitmapData> findBitmap(const ResourceTable& table, int id)
{
    return findDecoded(table, kBitmapType, id, decodeBitmap);
}

std::optional<MenuResource> findMenu(const ResourceTable& table, int id)
{
    return findDecoded(table, kMenuType, id, decodeMenu);
}

std::optional<MenuBarResource> findMenuBar(const ResourceTable& table, int id)
{
    return findDecoded(table, kMenuBarType, id, decodeMenuBar);
}

std::optional<DialogTemplate> findDialog(const ResourceTable& table, int id)
{
    return findDecoded(table, kDialogType, id, decodeDialog);
}

std::optional<AcceleratorTable> findAccelerators(const ResourceTable& table, int id)
{
    return findDecoded(table, kAcceleratorType, id, decodeAccelerators);
}

void addString(ResourceTable& table, int id, std::string_view utf8)
{
    table.add(kStringType, id, Bytes(utf8.begin(), utf8.end()));
}

void addMenu(ResourceTable& table, int id, const MenuResource& menu)
{
    table.add(kMenuType, id, encodeMenu(menu));
}

void addMenuBar(ResourceTable& table, int id, const MenuBarResource& bar)
{
    table.add(kMenuBarType, id, encodeMenuBar(bar));
}

void addDialog(ResourceTable& table, int id, const DialogTemplate& dialog)
{
    table.add(kDialogType, id, encodeDialog(dialog));
}

void addAccelerators(ResourceTable& table, int id, const AcceleratorTable& accelerators)
{
    table.add(kAcceleratorType, id, encodeAccelerators(accelerators));
}

}  // namespace velmora
