#include "tour/remote_tree.h"

#include <cstring>

namespace {

constexpr size_t kTextChars = 512;
constexpr size_t kBlockSize = sizeof(TVITEMW) + kTextChars * sizeof(wchar_t);

}  // namespace

RemoteTree::RemoteTree(HWND tree) : m_tree(tree), m_memory(tree, kBlockSize) {}

std::vector<HTREEITEM> RemoteTree::Children(HTREEITEM parent) const
{
    std::vector<HTREEITEM> items;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(m_tree, TVM_GETNEXTITEM, parent == nullptr ? TVGN_ROOT : TVGN_CHILD,
                                                          reinterpret_cast<LPARAM>(parent)));
    for (; item != nullptr;
         item = reinterpret_cast<HTREEITEM>(SendMessageW(m_tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
        items.push_back(item);
    return items;
}

std::wstring RemoteTree::Text(HTREEITEM item) const
{
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<wchar_t*>(m_memory.At(sizeof request));
    request.cchTextMax = static_cast<int>(kTextChars);
    const wchar_t none = L'\0';
    std::wstring text(kTextChars, L'\0');
    if (!m_memory.Write(0, &request, sizeof request) || !m_memory.Write(sizeof request, &none, sizeof none) ||
        !SendMessageW(m_tree, TVM_GETITEMW, 0, m_memory.At()) ||
        !m_memory.Read(sizeof request, text.data(), kTextChars * sizeof(wchar_t)))
        return {};
    text.resize(text.find(L'\0'));
    return text;
}

HTREEITEM RemoteTree::Child(HTREEITEM parent, const std::wstring& text) const
{
    for (const HTREEITEM item : Children(parent))
        if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, Text(item).c_str(), -1, text.c_str(), -1) == CSTR_EQUAL)
            return item;
    return nullptr;
}

std::optional<POINT> RemoteTree::LabelCentre(HTREEITEM item) const
{
    // TVM_GETITEMRECT takes the item's handle in the rectangle's place.
    RECT rect{};
    static_assert(sizeof item <= sizeof rect);
    std::memcpy(&rect, &item, sizeof item);
    if (!m_memory.Write(0, &rect, sizeof rect) || !SendMessageW(m_tree, TVM_GETITEMRECT, TRUE, m_memory.At()) ||
        !m_memory.Read(0, &rect, sizeof rect))
        return std::nullopt;
    RECT client{};
    GetClientRect(m_tree, &client);
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (!PtInRect(&client, centre))
        return std::nullopt;
    ClientToScreen(m_tree, &centre);
    return centre;
}
