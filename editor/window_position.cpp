#include "editor/window_position.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

constexpr std::size_t kStoredDataSize = 48;
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

bool FitsInt32(std::int64_t value)
{
    return value >= kInt32Min && value <= kInt32Max;
}

// The fields are read as "%f,%f,%d,%d" reads them: each number after any
// white space, each comma exactly where it stands.
class PositionFields {
public:
    explicit PositionFields(const char* text) : m_next(text) {}

    bool ReadFraction(float* value)
    {
        char* end = nullptr;
        *value = std::strtof(m_next, &end);
        return Advance(end);
    }

    bool ReadSize(std::int64_t* value)
    {
        char* end = nullptr;
        errno = 0;
        const long long read = std::strtoll(m_next, &end, 10);
        *value = read;
        return Advance(end) && errno != ERANGE && FitsInt32(read);
    }

    bool ReadComma()
    {
        if (*m_next != ',')
            return false;
        ++m_next;
        return true;
    }

private:
    bool Advance(char* end)
    {
        if (end == m_next)
            return false;
        m_next = end;
        return true;
    }

    const char* m_next;
};

// Screen size times a stored fraction, multiplied in single precision and
// truncated toward zero; nothing when the product leaves 32 bits (or is not
// a number at all).
std::optional<std::int64_t> ScaledEdge(std::int32_t screenSize, float fraction)
{
    const float edge = static_cast<float>(screenSize) * fraction;
    if (!(edge >= -2147483648.0f && edge < 2147483648.0f))
        return std::nullopt;
    return static_cast<std::int32_t>(edge);
}

}  // namespace

std::string FormatWindowPosition(const WindowPositionRect& window, std::int32_t primaryWidth,
                                 std::int32_t primaryHeight)
{
    // A screen is never smaller than one pixel; this keeps the division defined.
    const double width = std::max<std::int32_t>(primaryWidth, 1);
    const double height = std::max<std::int32_t>(primaryHeight, 1);
    const float x = static_cast<float>(window.left / width);
    const float y = static_cast<float>(window.top / height);
    char text[128];
    std::snprintf(text, sizeof text, "%f,%f,%lld,%lld", static_cast<double>(x), static_cast<double>(y),
                  static_cast<long long>(std::int64_t{window.right} - window.left),
                  static_cast<long long>(std::int64_t{window.bottom} - window.top));
    return text;
}

std::optional<WindowPositionRect> RestoredWindowPosition(std::string_view storedData,
                                                         const WindowPositionScreens& screens)
{
    std::string text(storedData.substr(0, kStoredDataSize));
    text.resize(std::min(text.size(), text.find('\0')));

    PositionFields fields(text.c_str());
    float x = 0.0f;
    float y = 0.0f;
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (!fields.ReadFraction(&x) || !fields.ReadComma() || !fields.ReadFraction(&y) || !fields.ReadComma() ||
        !fields.ReadSize(&width) || !fields.ReadComma() || !fields.ReadSize(&height))
        return std::nullopt;
    if (width == 0 || height == 0)
        return std::nullopt;

    const std::optional<std::int64_t> left = ScaledEdge(screens.primaryWidth, x);
    const std::optional<std::int64_t> top = ScaledEdge(screens.primaryHeight, y);
    if (!left || !top)
        return std::nullopt;
    std::int64_t l = *left;
    std::int64_t t = *top;
    std::int64_t r = l + width;
    std::int64_t b = t + height;
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    if (!FitsInt32(l) || !FitsInt32(t) || !FitsInt32(r) || !FitsInt32(b))
        return std::nullopt;

    const WindowPositionRect& screen = screens.virtualScreen;
    const std::int64_t visibleLeft = std::max<std::int64_t>(l, std::int64_t{screen.left} + kWindowPositionMargin);
    const std::int64_t visibleTop = std::max<std::int64_t>(t, std::int64_t{screen.top} + kWindowPositionMargin);
    const std::int64_t visibleRight = std::min<std::int64_t>(r, std::int64_t{screen.right} - kWindowPositionMargin);
    const std::int64_t visibleBottom = std::min<std::int64_t>(b, std::int64_t{screen.bottom} - kWindowPositionMargin);
    if (visibleLeft >= visibleRight || visibleTop >= visibleBottom)
        return std::nullopt;
    return WindowPositionRect{static_cast<std::int32_t>(l), static_cast<std::int32_t>(t),
                              static_cast<std::int32_t>(r), static_cast<std::int32_t>(b)};
}
