#include "window/win32/menu_bar.h"

#include "window/win32/control_ids.h"
#include "window/win32/wide_text.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace triangle::win32 {

namespace {

// The virtual key of a key of the table; the "+" key of the main keyboard is the one that
// shares its place with "=" on most layouts, Windows' VK_OEM_PLUS.
WORD virtualKey(const char* key)
{
    struct Named {
        const char* name;
        WORD key;
    };
    static constexpr Named named[] = {
        {"Escape", VK_ESCAPE},   {"Plus", VK_OEM_PLUS}, {"Minus", VK_OEM_MINUS},
        {"Equals", VK_OEM_PLUS}, {"Add", VK_ADD},       {"Subtract", VK_SUBTRACT},
    };
    for (const Named& n : named)
        if (std::strcmp(n.name, key) == 0)
            return n.key;
    if (key[0] == 'F' && key[1] != '\0')
        return static_cast<WORD>(VK_F1 + std::atoi(key + 1) - 1);
    return static_cast<WORD>(key[0]); // a letter's or a digit's key is its upper-case character
}

} // namespace

UINT MenuCommandId(menu::Command command)
{
    return static_cast<UINT>(ids::MenuCommands + static_cast<int>(command));
}

std::optional<menu::Command> MenuCommandOf(int id)
{
    const int index = id - ids::MenuCommands;
    if (index <= 0 || index > static_cast<int>(menu::Command::About))
        return std::nullopt;
    return static_cast<menu::Command>(index);
}

HMENU CreateMenuBar(menu::Window which)
{
    HMENU bar = CreateMenu();
    for (const menu::Menu& table : menu::MenuBar(which)) {
        HMENU popup = CreatePopupMenu();
        for (const menu::Entry& entry : table.entries) {
            if (entry.command == menu::Command::Separator) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            std::string text = entry.text;
            if (entry.keys[0].key)
                text.append("\t").append(menu::KeyText(entry.keys[0]));
            AppendMenuW(popup, MF_STRING, MenuCommandId(entry.command), Widen(text).c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(table.title).c_str());
    }
    return bar;
}

HACCEL CreateMenuAccelerators(menu::Window which)
{
    std::vector<ACCEL> keys;
    for (const menu::Menu& table : menu::MenuBar(which)) {
        for (const menu::Entry& entry : table.entries) {
            for (const menu::Key& key : entry.keys) {
                if (!key.key)
                    continue;
                BYTE flags = FVIRTKEY;
                if (key.ctrl)
                    flags |= FCONTROL;
                if (key.shift)
                    flags |= FSHIFT;
                if (key.alt)
                    flags |= FALT;
                const auto command = static_cast<WORD>(MenuCommandId(entry.command));
                keys.push_back({flags, virtualKey(key.key), command});
                // "+" is Shift and "=" on most layouts: Ctrl++ comes either way.
                if (std::strcmp(key.key, "Plus") == 0)
                    keys.push_back({static_cast<BYTE>(flags | FSHIFT), VK_OEM_PLUS, command});
            }
        }
    }
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void EnableMenuCommand(HMENU menu, menu::Command command, bool enabled)
{
    EnableMenuItem(menu, MenuCommandId(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void ForwardMenuCommand(HWND to, menu::Command command)
{
    if (to)
        SendMessageW(to, WM_COMMAND, MAKEWPARAM(MenuCommandId(command), 0), 0);
}

} // namespace triangle::win32
