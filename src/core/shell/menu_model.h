#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quavis {

// One item of the main window's menu bar, as the desktop builds its menus and actions from it. A menu
// (an item with Items) may have an open handler, run before any of its items' click handlers, whether
// the item was chosen with the mouse or through its shortcut.
struct TMenuItem {
    std::string Name;         // component name; unique within the bar
    std::string Caption;      // "&" marks the access key; "-" is a separator
    std::string Shortcut;     // key sequence in the toolkit's portable text ("Ctrl+N"), or empty
    std::string OpenHandler;  // name of the menu's open handler ("FileMenuClick"), or empty
    std::string ClickHandler; // name of the item's click handler ("FileNewClick"), or empty
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    bool RadioItem = false;
    int Tag = 0;
    std::vector<TMenuItem> Items;

    bool IsSeparator() const { return Caption == "-"; }
    bool IsMenu() const { return !Items.empty(); }
};

// Where an item sits: its parent (nullptr at the top level) and its index within it.
struct TMenuLocation {
    TMenuItem* Item = nullptr;
    TMenuItem* Parent = nullptr;
    std::size_t Index = 0;
};

// The menu bar: the top-level menus in order, with lookup by component name.
class TMenuBar {
public:
    std::vector<TMenuItem> Menus;

    // The item of that name anywhere in the bar, or nullptr.
    TMenuItem* Find(const std::string& name);
    const TMenuItem* Find(const std::string& name) const;
    // The item of that name; throws EQuavisError for a name the bar does not hold.
    TMenuItem& Item(const std::string& name);
    const TMenuItem& Item(const std::string& name) const;
    // Where the item is; Item is nullptr when the bar does not hold it.
    TMenuLocation Locate(const std::string& name);
    // The chain of menus from the top level down to the item's parent (empty for a top-level menu).
    std::vector<TMenuItem*> Ancestors(const std::string& name);
};

} // namespace quavis
