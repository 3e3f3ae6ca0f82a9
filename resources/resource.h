// Resource and control ids shared by the resources and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif

#define IDD_ABOUTBOX                100
#define IDD_KESTADVCONFIG_DIALOG    102
#define IDR_COMPONENT_MENU          134
#define IDR_MAINFRAME               133
#define IDI_ABOUT_ICON              128

#define IDS_ABOUTBOX                101
#define IDS_PRODUCT_NAME            102
#define IDS_CHANGE_PROPERTIES       103
#define IDS_REGISTRY_SUCCEEDED      104
#define IDS_REGISTRY_FAILED         105
#define IDS_DIRTREE_TIP             106
#define IDS_DEFINITION_FILE_MISSING 107
#define IDS_APPLY_FAILED            108
#define IDS_PROPERTIES_TITLE        109
#define IDS_COMPONENTS_TITLE        110
#define IDS_INVALID_PROPERTY        111
#define IDS_INVALID_ATTRIBUTE       112
#define IDS_DUPLICATE_ATTRIBUTE_ID  113

#define IDC_CATEGORY_TREE           1000
#define IDC_PROPERTY_GRID           1003
#define IDC_LABEL                   1004
#define IDC_DIRECTORY_TREE          1007
#define IDC_ABOUT_ICON              1010
#define ID_APPLY_NOW                12321

#define ID_REGISTER_COMPONENT       32771
#define ID_UNREGISTER_COMPONENT     32772

#define IDB_OK_IMAGE                7003
#define IDB_APPLY_IMAGE             7004
#define IDB_CANCEL_IMAGE            7005
#define IDB_HELP_IMAGE              7006
// The same images drawn for 150 % and 200 % of 96 DPI: the 100 % image's id
// plus 100 and plus 200 (a button finds them by these offsets).
#define IDB_OK_IMAGE_150            7103
#define IDB_APPLY_IMAGE_150         7104
#define IDB_CANCEL_IMAGE_150        7105
#define IDB_HELP_IMAGE_150          7106
#define IDB_OK_IMAGE_200            7203
#define IDB_APPLY_IMAGE_200         7204
#define IDB_CANCEL_IMAGE_200        7205
#define IDB_HELP_IMAGE_200          7206

// System-menu command of the About item.
#define IDM_ABOUTBOX                0x0010
