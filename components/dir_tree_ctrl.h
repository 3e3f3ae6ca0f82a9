#pragma once

#include "components/shell_icon_cache.h"
#include "platform/cimage_list.h"
#include "platform/cstring.h"
#include "platform/cstring_array.h"
#include "platform/ctree_ctrl.h"

#include <unordered_map>
#include <vector>

// The tree of the Components page: the machine's drives, and under them the
// folders and the component files that match the filters, read lazily one
// level when a folder is opened and dropped when it is closed. A right-click
// on a component file offers to register or unregister it.
//
// Items carry no data: a path is rebuilt from the texts of an item and its
// ancestors. A folder not yet read has one placeholder child (empty text,
// image 0) so that the tree shows its expand button, or none when it holds
// nothing to show.
//
// Finding out which costs a search of the folder. A listed drive or folder is
// searched when the tree first draws it (it is inserted with
// I_CHILDRENCALLBACK) or when anything reads its children through the
// control, whichever comes first: every reader sees what a search at once
// would have given.
class CDirTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(CDirTreeCtrl)
public:
    CDirTreeCtrl() = default;
    ~CDirTreeCtrl() override;

    // "*.*" replaces every earlier pattern, and once it is there no other
    // pattern is added.
    void AddFilter(const char* pattern);
    // Clears the tree, attaches the shell's icons and lists the drives.
    bool Populate();
    bool LoadDrives();
    void LoadFolder(HTREEITEM parent, const CString& path);
    void RefreshChildren(HTREEITEM item);
    // One item for `path`, last child of `parent`; null when the shell has
    // no icon for it.
    HTREEITEM InsertPathItem(HTREEITEM parent, const CString& path);
    CString ItemPath(HTREEITEM item) const;
    // What follows the last backslash, one trailing backslash ignored.
    static CString LastPathComponent(const CString& path);
    // Whether the folder needs an expand button: a sub-folder, or (when
    // files are shown) a file that is not hidden. Filters are not consulted.
    bool HasVisibleChildren(const CString& path) const;
    bool IsFilteredOut(const CString& path) const;
    bool AttachSystemImageList();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void OnItemExpanding(NMHDR* notify, LRESULT* result);
    void OnRightClick(NMHDR* notify, LRESULT* result);
    void OnContextMenuKey();
    void OnGetDispInfo(NMHDR* notify, LRESULT* result);

private:
    // Whether a right click on the item offers registration: its name holds
    // ".OCX", ".DLL" or ".EXE" in any case.
    bool NamesAComponent(HTREEITEM item) const;
    // The register/unregister menu for the selected item at a screen point;
    // runs the registration tool on the choice.
    void ShowComponentMenu(POINT screen);
    void ReportError(const char* text);
    HTREEITEM InsertPlaceholder(HTREEITEM parent);
    HTREEITEM InsertPath(HTREEITEM parent, const CString& path, bool probeLater);
    HTREEITEM InsertItemWithIcons(HTREEITEM parent, const CString& path, int image, int selectedImage,
                                  bool probeLater);
    void DeleteChildren(HTREEITEM item);

    // The expand-button probe of a folder not read yet, for the control's
    // drawing: searches the folder once, inserts nothing.
    bool ShowsExpandButton(HTREEITEM item);
    // Makes the folder what the probe makes of it: a placeholder or no child.
    void CompleteProbe(HTREEITEM item);
    void CompleteAllProbes();

    CImageList m_imgList;  // the shell's system image list; shared, never destroyed here
    CShellIconCache m_icons;  // for every folder read until the next Populate
    CStringArray m_arrFilters;
    std::vector<CString> m_filterTexts;  // what the filters look for in an upper-cased path
    CString m_strError;
    bool m_bShowFiles = false;

    enum class Probe { NotYet, FoundChildren };
    // Folders inserted without their placeholder: not searched yet, or found
    // by a draw to hold something.
    std::unordered_map<HTREEITEM, Probe> m_deferredProbes;
};
