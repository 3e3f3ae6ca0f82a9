#include "ui/dialogs/ui_menu_item.h"

#include <unordered_set>

IMPLEMENT_DYNAMIC(UIMenuItem, CObject)

namespace {
// Menus are drawn on the thread that made them.
thread_local std::unordered_set<const UIMenuItem*> t_liveItems;
}  // namespace

UIMenuItem::UIMenuItem(UIMenu* owner) : m_pOwner(owner)
{
    t_liveItems.insert(this);
}

UIMenuItem::~UIMenuItem()
{
    t_liveItems.erase(this);
    delete m_pBitmap;
}

UIMenuItem* UIMenuItem::FromItemData(ULONG_PTR itemData)
{
    auto* item = reinterpret_cast<UIMenuItem*>(itemData);
    return item != nullptr && t_liveItems.count(item) != 0 ? item : nullptr;
}
