#include "editor/main_dialog.h"

#include "editor/about_dialog.h"
#include "editor/window_position.h"
#include "platform/afx_message_box.h"
#include "platform/cdc.h"
#include "platform/cmenu.h"
#include "platform/registry_key.h"
#include "platform/resource_module.h"
#include "resources/resource.h"
#include "ui/controls/ui_bitmap_button.h"
#include "ui/dialogs/html_help.h"
#include "ui/dialogs/layout_rules.h"
#include "ui/dialogs/registered_messages.h"
#include "ui/dialogs/ui_menu_router.h"
#include "ui/grid/ui_redraw_pause.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_map>

IMPLEMENT_DYNAMIC(CKestAdvConfigDlg, UIDialog)

namespace {

constexpr char kWindowPositionKey[] = "Software\\Tarnwick, Inc.\\Quorvelin Applet\\Window Position";
constexpr char kWindowPositionValue[] = "Position";
constexpr char kColumnWidthKey[] = "Software\\Tarnwick, Inc.\\Quorvelin ACU";
constexpr DWORD kStoredPositionSize = 48;
constexpr INT_PTR kRootItemData = -1;
constexpr DWORD kToolTipStyle = TTS_ALWAYSTIP | TTS_BALLOON;
constexpr int kDirTreeTipWidth = 200;
constexpr int kComponentsId = 0;    // a property whose first attribute has it is the Components page
constexpr int kHiddenId = 1012;     // never gets a row
constexpr int kFirstChoiceIds[] = {1010, 1011};  // always open on their first choice

// Every side keeps its distance to a side of the client area.
constexpr LayoutSideRule Follow(std::int32_t side)
{
    return {LayoutSideRule::KeepDistance, 0, side};
}
constexpr LayoutSideRule kLeft = Follow(LayoutSideRule::Left);
constexpr LayoutSideRule kTop = Follow(LayoutSideRule::Top);
constexpr LayoutSideRule kRight = Follow(LayoutSideRule::Right);
constexpr LayoutSideRule kBottom = Follow(LayoutSideRule::Bottom);

// The category tree grows in height only, the grid and the directory tree
// both ways, the label follows the bottom edge and the buttons the
// bottom-right corner.
constexpr LayoutRule kLayout[] = {
    {IDC_CATEGORY_TREE, kLeft, kTop, kLeft, kBottom},
    {IDC_PROPERTY_GRID, kLeft, kTop, kRight, kBottom},
    {IDC_DIRECTORY_TREE, kLeft, kTop, kRight, kBottom},
    {IDC_LABEL, kLeft, kBottom, kLeft, kBottom},
    {IDOK, kRight, kBottom, kRight, kBottom},
    {IDCANCEL, kRight, kBottom, kRight, kBottom},
    {ID_APPLY_NOW, kRight, kBottom, kRight, kBottom},
    {IDHELP, kRight, kBottom, kRight, kBottom},
};

// Buttons whose tooltips repeat their captions, in the order they are added.
constexpr int kTippedButtons[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};

WindowPositionRect PositionRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

CKestAdvConfigDlg::CKestAdvConfigDlg(CWnd* parent) : UIDialog(IDD_KESTADVCONFIG_DIALOG, parent)
{
    // A missing or broken file leaves the collection empty or partly filled;
    // OnInitDialog tells the user when nothing is left.
    m_properties.LoadDefinitionFile();
    m_hIcon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

void CKestAdvConfigDlg::DoDataExchange(CDataExchange* dx)
{
    UIDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CATEGORY_TREE, m_tree);
    DDX_Control(dx, IDC_PROPERTY_GRID, m_grid);
    DDX_Control(dx, IDC_DIRECTORY_TREE, m_dirTree);
    DDX_Control(dx, IDC_LABEL, m_label);
}

void CKestAdvConfigDlg::PreInitDialog()
{
    // In place of the base's: the rules, the minimum size they allow, and the
    // first rectangle.
    SetLimitMinimumSize(GetResizer().SetLayout(this, kLayout, static_cast<int>(std::size(kLayout))));
    GetWindowRect(&m_rcFirstWindow);
    CBCGPDialog::PreInitDialog();
}

bool CKestAdvConfigDlg::OnInitDialog()
{
    UIDialog::OnInitDialog();
    AddAboutItemToSystemMenu();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    m_strRegRoot = kQuorvelinRegistryRoot;

    if (m_properties.GetPropertyCount() == 0) {
        AfxMessageBox(IDS_DEFINITION_FILE_MISSING, MB_OK);
        PostMessage(WM_CLOSE);
        return true;
    }

    m_grid.m_grid.m_strColumnKeyPath = kColumnWidthKey;
    m_grid.m_grid.LoadColumnWidths();
    m_properties.ReadAllValues(m_strRegRoot);
    FillCategoryTree();
    m_toolTip.Create(this, kToolTipStyle);
    m_toolTip.Activate(true);
    AddButtonTips();
    RestoreWindowPosition();
    // The grid lays out its columns once the dialog has its final size.
    m_grid.m_grid.PostMessage(WM_SIZE);
    UpdateData(false);
    m_bComponentsLoaded = false;
    return true;
}

void CKestAdvConfigDlg::AddAboutItemToSystemMenu()
{
    const HMENU systemMenu = GetSystemMenu(false);
    if (systemMenu == nullptr)
        return;
    CString aboutText;
    aboutText.LoadString(IDS_ABOUTBOX);
    if (aboutText.IsEmpty())
        return;
    CMenu menu;
    menu.Attach(systemMenu);
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText);
    menu.Detach();  // the window's own menu stays with the window
}

void CKestAdvConfigDlg::AddButtonTips()
{
    for (const int id : kTippedButtons) {
        CWnd* button = GetDlgItem(id);
        if (button != nullptr)
            m_toolTip.AddTool(button, ButtonCaption(*button));
    }
}

CString CKestAdvConfigDlg::ButtonCaption(const CWnd& button)
{
    // An image button has emptied its window text and keeps the caption aside.
    if (button.IsKindOf(RUNTIME_CLASS(UIBitmapButton))) {
        CString caption;
        static_cast<const UIBitmapButton&>(button).GetCaption(caption);
        return caption;
    }
    return button.GetWindowText();
}

void CKestAdvConfigDlg::FillCategoryTree()
{
    m_tree.DeleteAllItems();
    ClearGrid();
    m_grid.m_label.Invalidate();
    const HTREEITEM root = m_tree.InsertItem(m_properties.m_strName);
    m_tree.SetItemData(root, static_cast<DWORD_PTR>(kRootItemData));
    // Each item with its text and its property's position in one message.
    TVINSERTSTRUCTA insert{};
    insert.hParent = root;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    for (int i = 0; i < m_properties.GetPropertyCount(); ++i) {
        const CQuorvelinProperty* property = m_properties.GetProperty(i);
        insert.item.pszText = const_cast<char*>(property->m_strName.GetString());
        insert.item.lParam = static_cast<LPARAM>(property->m_nIndex);
        m_tree.InsertItem(&insert);
        // The directory tree is named after its page's category for assistive programs.
        const CPropertyAttributes* first = property->FindAttribute(0);
        if (first != nullptr && first->m_nId == kComponentsId)
            m_dirTree.SetWindowText(property->m_strName);
    }
    m_tree.Expand(root, TVE_EXPAND);
    // Assistive programs name the tree, and the grid until a page is chosen,
    // after the file's name: neither shows a caption.
    m_tree.SetWindowText(m_properties.m_strName);
    m_grid.m_grid.SetWindowText(m_properties.m_strName);
}

void CKestAdvConfigDlg::OnCategorySelChanged(const NMTREEVIEWA& change)
{
    const HTREEITEM item = change.itemNew.hItem;
    if (item == nullptr)
        return;
    const auto index = static_cast<INT_PTR>(m_tree.GetItemData(item));
    if (index == kRootItemData)
        return;  // the page shown so far stays
    const CQuorvelinProperty* property = m_properties.FindProperty(index);
    if (property == nullptr) {
        AfxMessageBox(IDS_INVALID_PROPERTY, MB_ICONERROR);
        return;
    }
    const CPropertyAttributes* first = property->FindAttribute(0);
    if (first == nullptr) {
        AfxMessageBox(IDS_INVALID_ATTRIBUTE, MB_ICONERROR);
        return;
    }
    if (first->m_nId != kComponentsId) {
        ShowPropertyPage(index);
        m_grid.m_grid.SetWindowText(property->m_strName);  // the grid's name for assistive programs
        m_grid.m_label.Invalidate();
    } else {
        ShowComponentsPage();
        m_dirTree.Invalidate();
    }
}

void CKestAdvConfigDlg::ClearGrid()
{
    m_grid.m_grid.DeleteAllItems();
    m_grid.m_grid.DeleteGridData();
    m_grid.m_names.RemoveAll();
    m_grid.m_descriptions.RemoveAll();
}

void CKestAdvConfigDlg::ShowPropertyPage(INT_PTR index)
{
    m_grid.ShowWindow(SW_SHOW);
    m_dirTree.ShowWindow(SW_HIDE);
    UIPropertyGridCtrl& grid = m_grid.m_grid;
    // The page is painted once, when it is complete.
    const UIRedrawPause pause(grid);
    ClearGrid();
    const CQuorvelinProperty* property = m_properties.FindProperty(index);
    if (property == nullptr)
        return;
    // The values of the page's Ids, found in one pass over the file's attributes.
    std::unordered_map<int, int> values;
    for (int i = 0; i < property->GetAttributeCount(); ++i)
        values.emplace(property->GetAttribute(i)->m_nId, -1);
    m_properties.FindValuesById(values);
    int row = 0;
    for (int i = 0; i < property->GetAttributeCount(); ++i) {
        const CPropertyAttributes* attribute = property->GetAttribute(i);
        const int id = attribute->m_nId;
        if (id == kHiddenId)
            continue;
        const int value = values[id];
        // An empty label inserts no row; the counter still advances, so the
        // rows after it are not inserted either.
        m_grid.SetRowLabel(row, attribute->m_strName);
        const bool rowExists = row < grid.GetItemCount();
        if (rowExists && attribute->m_control.m_values.GetSize() > 0)
            grid.SetValueCell(row, attribute->m_control.m_values, attribute->m_control.m_nType);
        // One description per row, in row order, empty ones too.
        m_grid.m_descriptions.Add(attribute->m_strDesc);
        m_grid.SetRowData(row, attribute->m_nIndex);
        if (std::find(std::begin(kFirstChoiceIds), std::end(kFirstChoiceIds), id) != std::end(kFirstChoiceIds)) {
            if (rowExists)
                grid.SelectCellItem(row, 0);
        } else if (attribute->m_control.m_nType == CellKindComboBox) {
            m_grid.SelectValue(row, value);
        }
        ++row;
    }
}

void CKestAdvConfigDlg::ShowComponentsPage()
{
    if (!m_bComponentsLoaded) {
        m_bComponentsLoaded = true;
        m_dirTree.AddFilter("*.ocx");
        m_dirTree.AddFilter("*.dll");
        m_dirTree.Populate();
        CString tip;
        tip.LoadString(IDS_DIRTREE_TIP);
        m_toolTip.AddTool(&m_dirTree, tip);
        m_toolTip.SetMaxTipWidth(kDirTreeTipWidth);
    }
    m_dirTree.ShowWindow(SW_SHOW);
    m_grid.ShowWindow(SW_HIDE);
}

void CKestAdvConfigDlg::OnValueChosen(WPARAM cell, LPARAM item)
{
    const HTREEITEM selected = m_tree.GetSelectedItem();
    if (selected == nullptr)
        return;
    const auto index = static_cast<INT_PTR>(m_tree.GetItemData(selected));
    if (index == kRootItemData)
        return;
    const CQuorvelinProperty* property = m_properties.FindProperty(index);
    if (property == nullptr)
        return;
    const int row = HIWORD(cell);
    if (row >= m_grid.m_grid.GetItemCount())
        return;
    const CPropertyAttributes* attribute =
        property->FindAttribute(static_cast<INT_PTR>(m_grid.m_grid.GetItemData(row)));
    if (attribute == nullptr)
        return;
    m_properties.SetValueById(attribute->m_nId, static_cast<int>(item));
    if (CWnd* apply = GetDlgItem(ID_APPLY_NOW))
        apply->EnableWindow(true);
}

void CKestAdvConfigDlg::OnApply()
{
    const bool written = m_properties.WriteAllValues(m_strRegRoot);
    if (CWnd* apply = GetDlgItem(ID_APPLY_NOW))
        apply->EnableWindow(!written);
    if (!written)
        AfxMessageBox(IDS_APPLY_FAILED, MB_OK);
}

void CKestAdvConfigDlg::OnOK()
{
    OnApply();
    UIDialog::OnOK();  // closes also after a failed write
}

void CKestAdvConfigDlg::OnHelpButton()
{
    UIShowHelp(m_hWnd);
}

void CKestAdvConfigDlg::OnSysCommand(UINT, LPARAM)
{
    CAboutDlg about;
    about.DoModal();
}

void CKestAdvConfigDlg::OnPaint()
{
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
}

bool CKestAdvConfigDlg::PreTranslateMessage(MSG* msg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.RelayEvent(msg);
    return UIDialog::PreTranslateMessage(msg);
}

void CKestAdvConfigDlg::SaveWindowPosition()
{
    // The key is made below HKEY_CURRENT_USER opened with full access.
    const RegistryKey user = RegistryKey::Open(HKEY_CURRENT_USER, nullptr, KEY_ALL_ACCESS);
    const RegistryKey key = user ? RegistryKey::Create(user.Handle(), kWindowPositionKey) : RegistryKey();
    if (!key)
        return;
    RECT window{};
    GetWindowRect(&window);
    key.SetString(kWindowPositionValue, FormatWindowPosition(PositionRect(window), GetSystemMetrics(SM_CXSCREEN),
                                                             GetSystemMetrics(SM_CYSCREEN)));
}

void CKestAdvConfigDlg::RestoreWindowPosition()
{
    char stored[kStoredPositionSize] = {};
    DWORD size = sizeof stored;
    if (!RegistryKey::Open(HKEY_CURRENT_USER, kWindowPositionKey).Query(kWindowPositionValue, stored, &size))
        return;

    const int virtualLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int virtualTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const WindowPositionScreens screens{
        GetSystemMetrics(SM_CXSCREEN),
        GetSystemMetrics(SM_CYSCREEN),
        {virtualLeft, virtualTop, virtualLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN),
         virtualTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)}};
    const auto restored = RestoredWindowPosition(std::string_view(stored, std::min(size, kStoredPositionSize)), screens);
    if (!restored)
        return;
    UINT flags = SWP_NOZORDER;
    if ((GetStyle() & WS_THICKFRAME) == 0)
        flags |= SWP_NOSIZE;
    SetWindowPos(nullptr, restored->left, restored->top, restored->right - restored->left,
                 restored->bottom - restored->top, flags);
}

LRESULT CKestAdvConfigDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UIRegisteredMessages().OnSelchange) {
        OnValueChosen(wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && header->idFrom == IDC_CATEGORY_TREE &&
            (header->code == TVN_SELCHANGEDA || header->code == TVN_SELCHANGEDW)) {
            // Both forms carry the item's handle at the same place.
            OnCategorySelChanged(*reinterpret_cast<const NMTREEVIEWA*>(lParam));
            return 0;
        }
        break;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == ID_APPLY_NOW) {
            OnApply();
            return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDHELP) {
            OnHelpButton();
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        }
        break;
    case WM_PAINT:
        if (IsIconic(m_hWnd)) {
            OnPaint();
            return 0;
        }
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_hIcon);
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        // Items of a popup menu this dialog tracks are drawn by their menu.
        if (UIMenuRouter::RouteOwnerDraw(m_hWnd, message, lParam))
            return TRUE;
        break;
    case WM_DESTROY: {
        const LRESULT result = UIDialog::WindowProc(message, wParam, lParam);
        SaveWindowPosition();
        return result;
    }
    default:
        break;
    }
    return UIDialog::WindowProc(message, wParam, lParam);
}
