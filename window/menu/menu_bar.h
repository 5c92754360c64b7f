#pragma once

// The menu bars of the program's three windows as data: each menu, its entries, the command
// an entry gives and the keys that give it outside the menu. Each form turns the rows into its
// toolkit's menus and shortcuts, so that the menus, the keys and the help never disagree.

#include <span>
#include <string>

namespace triangle::menu {

enum class Window { Main, Elements, Solution };

enum class Command {
    Separator, // a line between entries, no command
    Print,
    SavePdf,
    SavePicture,
    Exit,  // the main window: ends the program
    Close, // a second window: closes it
    OpenElements,
    OpenSolution,
    WholeTriangle,
    CopyRow,
    CopyElements,
    CopySteps,
    CopyDrawing,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    ShowHelp,
    About,
};

// One key with its modifiers. `key` is an upper-case Latin letter, a digit, or one of the
// names F1 to F12, Escape, Plus, Minus, Equals, Add and Subtract (the last two on the keypad).
struct Key {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    const char* key = nullptr;
};

// An entry. Up to three keys give the same command, the first shown in the menu.
struct Entry {
    Command command;
    const char* text = nullptr; // UTF-8, "&" before the mnemonic
    Key keys[3] = {};
};

struct Menu {
    const char* title; // UTF-8, "&" before the mnemonic
    std::span<const Entry> entries;
};

std::span<const Menu> MenuBar(Window window);
// The command's name in C++, "ZoomIn", for the forms to name what they make of it.
const char* CommandName(Command command);

// The key as a menu shows it after its entry: "Ctrl+Shift+C", "Ctrl++", "F1".
std::string KeyText(const Key& key);
// The mnemonic of a text, the character after its "&", as UTF-8; empty where there is none.
std::string Mnemonic(const char* text);
// The text without its "&".
std::string PlainText(const char* text);

} // namespace triangle::menu
