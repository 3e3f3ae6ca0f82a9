#pragma once

// What the test component and the tests that use it share.
#define kTestComponentKey "Software\\Tarnwick, Inc.\\KestAdvConfig Tests\\Component"
#define kTestComponentRegistered "Registered"      // REG_DWORD: 1 registered, 0 unregistered
#define kTestComponentCommandLine "Command line"   // REG_SZ: the registration tool's command line
#define kTestComponentFileName "kac_test_component.dll"

// Images in the component's resources: a 16 x 16 red square with a
// transparent 2-pixel border as PNG, a green one on light grey as bitmap.
#define IDR_TEST_PNG_IMAGE 7101
#define IDB_TEST_BITMAP_IMAGE 7102
