// Restores a window position from random stored data, against screens taken
// from its first bytes: what it restores must be a normalised rectangle that
// reaches into the virtual screen.
#include "editor/window_position.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

std::int32_t TakeInt(const std::uint8_t*& data, std::size_t& size)
{
    std::int32_t value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WindowPositionScreens screens{1920, 1080, {-1280, 0, 1920, 1080}};
    if (size > 0 && (data[0] & 1) != 0) {
        ++data;
        --size;
        screens.primaryWidth = TakeInt(data, size);
        screens.primaryHeight = TakeInt(data, size);
        screens.virtualScreen = {TakeInt(data, size), TakeInt(data, size), TakeInt(data, size), TakeInt(data, size)};
    }
    const auto restored = RestoredWindowPosition(std::string_view(reinterpret_cast<const char*>(data), size), screens);
    if (restored) {
        const WindowPositionRect& r = *restored;
        const WindowPositionRect& v = screens.virtualScreen;
        if (r.left > r.right || r.top > r.bottom || r.right <= std::int64_t{v.left} + 8 ||
            r.left >= std::int64_t{v.right} - 8 || r.bottom <= std::int64_t{v.top} + 8 ||
            r.top >= std::int64_t{v.bottom} - 8)
            std::abort();
    }
    const WindowPositionRect window{TakeInt(data, size), TakeInt(data, size), TakeInt(data, size), TakeInt(data, size)};
    FormatWindowPosition(window, screens.primaryWidth, screens.primaryHeight);
    return 0;
}
