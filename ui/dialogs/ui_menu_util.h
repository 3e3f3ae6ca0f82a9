#pragma once

#include "platform/cobject.h"

// Room for menu helpers shared by the toolkit's menus; holds none yet.
class UIMenuUtil : public CObject {
    DECLARE_DYNAMIC(UIMenuUtil)
public:
    UIMenuUtil() = default;
    ~UIMenuUtil() override = default;
};
