#pragma once

// What the test component and the tests that use it share.
#define kTestComponentKey "Software\\Tarnwick, Inc.\\KestAdvConfig Tests\\Component"
#define kTestComponentRegistered "Registered"      // REG_DWORD: 1 registered, 0 unregistered
#define kTestComponentCommandLine "Command line"   // REG_SZ: the registration tool's command line
#define kTestComponentFileName "kac_test_component.dll"
