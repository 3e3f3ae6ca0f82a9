#pragma once

#include "components/dir_tree_ctrl.h"
#include "editor/property_collection.h"
#include "platform/cstring.h"
#include "platform/ctool_tip_ctrl.h"
#include "platform/ctree_ctrl.h"
#include "ui/dialogs/ui_dialog.h"
#include "ui/grid/ui_label.h"
#include "ui/grid/ui_property_grid.h"

// The program's only window: a category tree of the definition file's
// properties beside either the property grid of the selected one or, for
// the Components property, the directory tree. Choices in the grid change
// the model; Apply writes every value to the registry, OK applies and
// closes, Cancel closes without writing. The window's position is kept in
// the registry between runs.
class CKestAdvConfigDlg : public UIDialog {
    DECLARE_DYNAMIC(CKestAdvConfigDlg)
public:
    explicit CKestAdvConfigDlg(CWnd* parent = nullptr);

    HICON GetIcon() const { return m_hIcon; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void PreInitDialog() override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddAboutItemToSystemMenu();
    void AddButtonTips();
    // The caption a button shows, also when it shows an image in its place.
    static CString ButtonCaption(const CWnd& button);
    void FillCategoryTree();
    void OnCategorySelChanged(const NMTREEVIEWA& change);
    void ClearGrid();
    void ShowPropertyPage(INT_PTR index);
    void ShowComponentsPage();
    void OnValueChosen(WPARAM cell, LPARAM item);
    void OnApply();
    void OnHelpButton();
    void OnSysCommand(UINT command, LPARAM lParam);
    void OnPaint();
    void SaveWindowPosition();
    void RestoreWindowPosition();

    HICON m_hIcon = nullptr;
    UILabel m_label;  // the program sets no text in it
    bool m_bComponentsLoaded = false;
    CTreeCtrl m_tree;
    UIPropertyGrid m_grid;
    CDirTreeCtrl m_dirTree;
    CToolTipCtrl m_toolTip;
    CString m_strRegRoot;
    CPropertyCollection m_properties;
};
