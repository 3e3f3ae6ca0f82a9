#include "components/dir_tree_ctrl.h"

#include "components/reg_it.h"
#include "components/shell_icon_cache.h"
#include "components/sort_string_array.h"
#include "components/trailing_backslash.h"
#include "platform/afx_message_box.h"
#include "platform/cmenu.h"
#include "resources/resource.h"
#include "ui/dialogs/ui_menu.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CDirTreeCtrl, CTreeCtrl)

namespace {

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

bool IsFolder(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

CDirTreeCtrl::~CDirTreeCtrl()
{
    // The system image list is shared by every window of the process.
    m_imgList.Detach();
}

void CDirTreeCtrl::ReportError(const char* text)
{
    m_strError = text;
    AfxMessageBox(m_strError, MB_OK);
}

void CDirTreeCtrl::AddFilter(const char* pattern)
{
    const CString filter(pattern);
    if (filter == "*.*") {
        m_arrFilters.RemoveAll();
        m_filterTexts.clear();
    }
    if (!m_arrFilters.IsEmpty() && m_arrFilters[0] == "*.*")
        return;
    m_arrFilters.Add(filter);
    // What IsFilteredOut looks for, upper-cased once: for "*.ocx" ".OCX",
    // for "setup.*" "SETUP", and the whole filter.
    if (filter.Find("*.") >= 0)
        m_filterTexts.push_back(filter.Mid(1).MakeUpper());
    const int wildcard = filter.Find(".*");
    if (wildcard >= 0)
        m_filterTexts.push_back(filter.Left(wildcard).MakeUpper());
    m_filterTexts.push_back(CString(filter).MakeUpper());
}

bool CDirTreeCtrl::Populate()
{
    if ((GetStyle() & TVS_EDITLABELS) != 0)
        ModifyStyle(TVS_EDITLABELS, 0);
    DeleteAllItems();
    m_icons = CShellIconCache();
    if (!AttachSystemImageList())
        return false;
    m_bShowFiles = true;
    return LoadDrives();
}

bool CDirTreeCtrl::AttachSystemImageList()
{
    if (SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL) != 0)
        m_imgList.Detach();
    SHFILEINFOA info{};
    const auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (images == nullptr) {
        ReportError("Cannot retrieve the Handle of SystemImageList!");
        return false;
    }
    if (!m_imgList.Attach(images)) {
        ReportError("Cannot Attach SystemImageList-Handle");
        return false;
    }
    SetImageList(m_imgList, TVSIL_NORMAL);
    return true;
}

bool CDirTreeCtrl::LoadDrives()
{
    DeleteAllItems();
    char drives[MAX_PATH] = {};
    if (GetLogicalDriveStringsA(MAX_PATH - 1, drives) == 0) {
        ReportError("Error Getting Logical DriveStrings!");
        return false;
    }
    for (const char* drive = drives; *drive != '\0'; drive += std::strlen(drive) + 1) {
        // A drive the shell cannot show is left out, and so is its probe.
        InsertPath(TVI_ROOT, drive, true);
    }
    return true;
}

HTREEITEM CDirTreeCtrl::InsertPlaceholder(HTREEITEM parent)
{
    return InsertItem("", 0, 0, parent, TVI_LAST);
}

void CDirTreeCtrl::LoadFolder(HTREEITEM parent, const CString& path)
{
    const CString root = WithTrailingBackslash(path);
    CSortStringArray folders;
    CSortStringArray files;
    std::vector<DWORD> folderAttributes;
    std::vector<DWORD> fileAttributes;
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA(root + "*.*", &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (IsFolder(entry)) {
                if (!IsDotEntry(entry.cFileName)) {
                    folders.Add(root + entry.cFileName);
                    folderAttributes.push_back(entry.dwFileAttributes);
                }
            } else if (m_bShowFiles) {
                // Hidden files too: only the expand-button probe skips them.
                const CString fullPath = root + entry.cFileName;
                if (!IsFilteredOut(fullPath)) {
                    files.Add(fullPath);
                    fileAttributes.push_back(entry.dwFileAttributes);
                }
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }

    SendMessage(WM_SETREDRAW, FALSE);
    const HCURSOR previousCursor = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    auto insert = [&](const CString& entryPath, DWORD attributes, bool folder) {
        int image = 0;
        int selectedImage = 0;
        if (!m_icons.Lookup(entryPath, attributes, &image, &selectedImage))
            ReportError("Error Getting SystemFileInfo!");
        else
            InsertItemWithIcons(parent, entryPath, image, selectedImage, folder);
    };
    for (const int i : folders.SortedOrder())
        insert(folders[i], folderAttributes[static_cast<size_t>(i)], true);
    if (m_bShowFiles) {
        for (const int i : files.SortedOrder())
            insert(files[i], fileAttributes[static_cast<size_t>(i)], false);
    }
    SendMessage(WM_SETREDRAW, TRUE);
    SetCursor(previousCursor);
}

void CDirTreeCtrl::DeleteChildren(HTREEITEM item)
{
    for (HTREEITEM child = GetChildItem(item); child != nullptr; child = GetChildItem(item))
        DeleteItem(child);
}

void CDirTreeCtrl::RefreshChildren(HTREEITEM item)
{
    DeleteChildren(item);
    LoadFolder(item, ItemPath(item));
}

HTREEITEM CDirTreeCtrl::InsertPathItem(HTREEITEM parent, const CString& path)
{
    return InsertPath(parent, path, false);
}

HTREEITEM CDirTreeCtrl::InsertPath(HTREEITEM parent, const CString& path, bool probeLater)
{
    int image = 0;
    int selectedImage = 0;
    if (!CShellIconCache::ByPath(path, &image, &selectedImage)) {
        ReportError("Error Getting SystemFileInfo!");
        return nullptr;
    }
    return InsertItemWithIcons(parent, path, image, selectedImage, probeLater);
}

HTREEITEM CDirTreeCtrl::InsertItemWithIcons(HTREEITEM parent, const CString& path, int image, int selectedImage,
                                            bool probeLater)
{
    const CString text =
        parent == TVI_ROOT || parent == nullptr ? WithoutTrailingBackslash(path) : LastPathComponent(path);
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.GetString());
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = 0;
    if (probeLater) {
        // The control asks for the expand button when it first draws the item.
        insert.item.mask |= TVIF_CHILDREN;
        insert.item.cChildren = I_CHILDRENCALLBACK;
    }
    const HTREEITEM item = InsertItem(&insert);
    if (item != nullptr && probeLater)
        m_deferredProbes[item] = Probe::NotYet;
    return item;
}

bool CDirTreeCtrl::ShowsExpandButton(HTREEITEM item)
{
    const auto deferred = m_deferredProbes.find(item);
    if (deferred == m_deferredProbes.end())
        return GetChildItem(item) != nullptr;
    if (deferred->second == Probe::NotYet) {
        if (!HasVisibleChildren(ItemPath(item))) {
            m_deferredProbes.erase(deferred);
            return false;
        }
        deferred->second = Probe::FoundChildren;
    }
    return true;
}

void CDirTreeCtrl::CompleteProbe(HTREEITEM item)
{
    const auto deferred = m_deferredProbes.find(item);
    if (deferred == m_deferredProbes.end())
        return;
    const bool visible = deferred->second == Probe::FoundChildren || HasVisibleChildren(ItemPath(item));
    m_deferredProbes.erase(deferred);
    // From here the item is what an eager probe makes of it: no child count
    // of its own, and the placeholder when the folder has something to show.
    TVITEMA children{};
    children.mask = TVIF_CHILDREN;
    children.hItem = item;
    children.cChildren = 0;
    SetItem(&children);
    if (visible)
        InsertPlaceholder(item);
}

void CDirTreeCtrl::CompleteAllProbes()
{
    std::vector<HTREEITEM> items;
    items.reserve(m_deferredProbes.size());
    for (const auto& deferred : m_deferredProbes)
        items.push_back(deferred.first);
    for (const HTREEITEM item : items)
        CompleteProbe(item);
}

CString CDirTreeCtrl::LastPathComponent(const CString& path)
{
    const CString component = WithoutTrailingBackslash(path);
    const int backslash = component.ReverseFind('\\');
    return backslash >= 0 ? component.Mid(backslash + 1) : component;
}

CString CDirTreeCtrl::ItemPath(HTREEITEM item) const
{
    CString path;
    for (HTREEITEM current = item; current != nullptr; current = GetParentItem(current))
        path = GetItemText(current) + "\\" + path;
    return WithoutTrailingBackslash(path);
}

bool CDirTreeCtrl::HasVisibleChildren(const CString& path) const
{
    const bool driveRoot = path.GetLength() == 3 && path.GetAt(1) == ':' && path.GetAt(2) == '\\';
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA(driveRoot ? path + "*.*" : path + "\\*.*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool visible = false;
    do {
        if (IsFolder(entry))
            visible = !IsDotEntry(entry.cFileName);
        else
            visible = m_bShowFiles && (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) == 0;
    } while (!visible && FindNextFileA(search, &entry));
    FindClose(search);
    return visible;
}

bool CDirTreeCtrl::IsFilteredOut(const CString& path) const
{
    if (m_arrFilters.IsEmpty() || m_arrFilters[0] == "*.*")
        return false;
    CString upperPath = path;
    upperPath.MakeUpper();
    // Substring tests anywhere in the path, folder names included.
    for (const CString& text : m_filterTexts)
        if (upperPath.Find(text) >= 0)
            return false;
    return true;
}

LRESULT CDirTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Whoever reads a folder's children gets what the probe would have
    // given: it runs now if the folder has not been drawn yet.
    if (!m_deferredProbes.empty()) {
        switch (message) {
        case TVM_GETNEXTITEM:
            if (wParam == TVGN_CHILD)
                CompleteProbe(reinterpret_cast<HTREEITEM>(lParam));
            break;
        case TVM_GETITEMA:
        case TVM_GETITEMW:
            // The fields used are laid out alike in the ANSI and the wide record.
            if (lParam != 0 && (reinterpret_cast<const TVITEMA*>(lParam)->mask & TVIF_CHILDREN) != 0)
                CompleteProbe(reinterpret_cast<const TVITEMA*>(lParam)->hItem);
            break;
        case TVM_EXPAND:
            CompleteProbe(reinterpret_cast<HTREEITEM>(lParam));
            break;
        case TVM_GETCOUNT:
            CompleteAllProbes();
            break;
        default:
            break;
        }
    }
    // The keyboard's context menu request has no point: it names the selection.
    if (message == WM_CONTEXTMENU && GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1) {
        OnContextMenuKey();
        return 0;
    }
    // Shift+F10 asks for the same menu. Not every system turns it into the
    // request above, so the tree answers the key itself and keeps it from the
    // default handling, which would ask a second time where it does.
    if ((message == WM_SYSKEYDOWN || message == WM_KEYDOWN) && wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
        OnContextMenuKey();
        return 0;
    }
    const LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
    if (message == TVM_DELETEITEM && (lParam == 0 || reinterpret_cast<HTREEITEM>(lParam) == TVI_ROOT))
        m_deferredProbes.clear();
    return result;
}

bool CDirTreeCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_NOTIFY && lParam != 0) {
        auto* notify = reinterpret_cast<NMHDR*>(lParam);
        switch (notify->code) {
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW:
            OnItemExpanding(notify, result);
            return true;
        case NM_RCLICK:
            OnRightClick(notify, result);
            return true;
        case TVN_GETDISPINFOA:
        case TVN_GETDISPINFOW:
            OnGetDispInfo(notify, result);
            return true;
        case TVN_DELETEITEMA:
        case TVN_DELETEITEMW:
            // The handle may come back for a new item.
            m_deferredProbes.erase(reinterpret_cast<const NMTREEVIEWA*>(notify)->itemOld.hItem);
            break;
        default:
            break;
        }
    }
    return CTreeCtrl::OnChildNotify(message, wParam, lParam, result);
}

void CDirTreeCtrl::OnItemExpanding(NMHDR* notify, LRESULT* result)
{
    // The fields used are laid out alike in the ANSI and the wide record.
    const auto* treeNotify = reinterpret_cast<const NMTREEVIEWA*>(notify);
    const HTREEITEM item = treeNotify->itemNew.hItem;
    // The record reports the state before the change: a folder not yet
    // expanded is being opened.
    if ((treeNotify->itemNew.state & TVIS_EXPANDED) == 0) {
        RefreshChildren(item);
        SelectItem(item);
    } else {
        DeleteChildren(item);
        InsertItem("", item, TVI_LAST);
        // Without this a programmatic expand would not ask again, and the
        // placeholder would show as the folder's content.
        TVITEMA state{};
        state.mask = TVIF_STATE;
        state.hItem = item;
        state.stateMask = TVIS_EXPANDEDONCE;
        state.state = 0;
        SetItem(&state);
    }
    *result = 0;
}

void CDirTreeCtrl::OnGetDispInfo(NMHDR* notify, LRESULT* result)
{
    // The fields used are laid out alike in the ANSI and the wide record.
    auto* info = reinterpret_cast<NMTVDISPINFOA*>(notify);
    if ((info->item.mask & TVIF_CHILDREN) != 0) {
        info->item.cChildren = ShowsExpandButton(info->item.hItem) ? 1 : 0;
        info->item.mask |= TVIF_DI_SETITEM;
    }
    *result = 0;
}

void CDirTreeCtrl::OnRightClick(NMHDR*, LRESULT* result)
{
    // Handled here: the parent gets no context menu request on top.
    *result = 1;
    POINT screen{};
    GetCursorPos(&screen);
    POINT client = screen;
    ScreenToClient(&client);
    const HTREEITEM hit = HitTest(client);
    if (hit != nullptr) {
        if (!NamesAComponent(hit))
            return;
        SelectItem(hit);
    }
    // On empty space the selection counts as it is, whatever it names.
    ShowComponentMenu(screen);
}

void CDirTreeCtrl::OnContextMenuKey()
{
    // Shift+F10 or the menu key: what a right click on the selected item
    // shows, below its label.
    const HTREEITEM selected = GetSelectedItem();
    RECT label{};  // TVM_GETITEMRECT takes the item in the rectangle's place
    static_assert(sizeof selected <= sizeof label);
    std::memcpy(&label, &selected, sizeof selected);
    if (selected == nullptr || !NamesAComponent(selected) ||
        SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label)) == 0)
        return;
    POINT screen{label.left, label.bottom};
    ClientToScreen(&screen);
    ShowComponentMenu(screen);
}

bool CDirTreeCtrl::NamesAComponent(HTREEITEM item) const
{
    CString name = GetItemText(item);
    name.MakeUpper();
    return name.Find(".OCX") >= 0 || name.Find(".DLL") >= 0 || name.Find(".EXE") >= 0;
}

void CDirTreeCtrl::ShowComponentMenu(POINT screen)
{
    const HTREEITEM selected = GetSelectedItem();
    if (selected == nullptr)
        return;
    const CString path = ItemPath(selected);

    UIMenu menu;
    if (!menu.LoadMenu(IDR_COMPONENT_MENU))
        return;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const HMENU entry = menu.GetSubMenu(i);
        if (entry != nullptr && !menu.MakeOwnerDrawn(entry))
            break;  // shown as it stands
    }
    CMenu popup;
    if (!popup.Attach(menu.GetSubMenu(0)))
        return;
    // The popup belongs to the top-level window, whose routing draws its items.
    HWND owner = m_hWnd;
    while ((GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD) != 0 && ::GetParent(owner) != nullptr)
        owner = ::GetParent(owner);
    const int command =
        popup.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, screen.x, screen.y, owner);
    popup.Detach();  // destroyed with its menu
    if (command == 0)
        return;

    CRegIt registrar;
    if (!registrar.RegisterComponent(path, command != ID_UNREGISTER_COMPONENT))
        AfxMessageBox(IDS_REGISTRY_FAILED, MB_ICONERROR);
}
