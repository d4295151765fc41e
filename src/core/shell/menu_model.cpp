#include "shell/menu_model.h"

#include "components/errors.h"

namespace quavis {

namespace {

bool Search(std::vector<TMenuItem>& items, TMenuItem* parent, const std::string& name, TMenuLocation& found,
            std::vector<TMenuItem*>& path)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        TMenuItem& item = items[i];
        if (item.Name == name) {
            found = {&item, parent, i};
            return true;
        }
        path.push_back(&item);
        if (Search(item.Items, &item, name, found, path))
            return true;
        path.pop_back();
    }
    return false;
}

} // namespace

TMenuLocation TMenuBar::Locate(const std::string& name)
{
    TMenuLocation found;
    std::vector<TMenuItem*> path;
    if (!name.empty())
        Search(Menus, nullptr, name, found, path);
    return found;
}

std::vector<TMenuItem*> TMenuBar::Ancestors(const std::string& name)
{
    TMenuLocation found;
    std::vector<TMenuItem*> path;
    if (name.empty() || !Search(Menus, nullptr, name, found, path))
        return {};
    return path;
}

TMenuItem* TMenuBar::Find(const std::string& name)
{
    return Locate(name).Item;
}

const TMenuItem* TMenuBar::Find(const std::string& name) const
{
    return const_cast<TMenuBar*>(this)->Locate(name).Item;
}

TMenuItem& TMenuBar::Item(const std::string& name)
{
    if (TMenuItem* item = Find(name))
        return *item;
    throw EQuavisError("The menu has no item named " + name);
}

const TMenuItem& TMenuBar::Item(const std::string& name) const
{
    return const_cast<TMenuBar*>(this)->Item(name);
}

} // namespace quavis
