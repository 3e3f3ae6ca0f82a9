#pragma once

#include "platform/cimage_list.h"
#include "platform/cstring.h"
#include "platform/cstring_array.h"
#include "platform/ctree_ctrl.h"

// The tree of the Components page: the machine's drives, and under them the
// folders and the component files that match the filters, read lazily one
// level when a folder is opened and dropped when it is closed. A right-click
// on a component file offers to register or unregister it.
//
// Items carry no data: a path is rebuilt from the texts of an item and its
// ancestors. A folder not yet read has one placeholder child (empty text,
// image 0) so that the tree shows its expand button.
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

    const CString& GetErrorText() const { return m_strError; }
    const CStringArray& GetFilters() const { return m_arrFilters; }

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void OnItemExpanding(NMHDR* notify, LRESULT* result);
    void OnRightClick(NMHDR* notify, LRESULT* result);

private:
    void ReportError(const char* text);
    HTREEITEM InsertPlaceholder(HTREEITEM parent);
    HTREEITEM InsertItemWithIcons(HTREEITEM parent, const CString& path, int image, int selectedImage);
    void DeleteChildren(HTREEITEM item);

    CImageList m_imgList;  // the shell's system image list; shared, never destroyed here
    CStringArray m_arrFilters;
    CString m_strError;
    bool m_bShowFiles = false;
};
