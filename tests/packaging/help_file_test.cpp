// The compiled help file the build puts beside the program, read back the
// way the HTML Help viewer reads it: through the system's compiled-help
// storage (ITStorage), from its internal #IVB (context number -> #STRINGS
// offset of the topic), #STRINGS, #WINDOWS and the topics themselves.
#include "platform/module_path.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// The compiled-help storage's factory; only the methods up to
// StgOpenStorage are called. Declared outside the anonymous namespace: with
// no implementation in sight there, the compiler may take its calls for
// unreachable.
struct IITStorage : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**) = 0;
};

namespace {

const CLSID kClsidITStorage = {0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const IID kIidITStorage = {0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

constexpr DWORD kOverviewContext = 102;

class CompiledHelp {
public:
    explicit CompiledHelp(const std::wstring& path)
    {
        CoInitialize(nullptr);
        IITStorage* factory = nullptr;
        if (SUCCEEDED(CoCreateInstance(kClsidITStorage, nullptr, CLSCTX_INPROC_SERVER, kIidITStorage,
                                       reinterpret_cast<void**>(&factory)))) {
            factory->StgOpenStorage(path.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &m_storage);
            factory->Release();
        }
    }
    ~CompiledHelp()
    {
        if (m_storage != nullptr)
            m_storage->Release();
        CoUninitialize();
    }
    CompiledHelp(const CompiledHelp&) = delete;
    CompiledHelp& operator=(const CompiledHelp&) = delete;

    bool IsOpen() const { return m_storage != nullptr; }

    // The whole internal file, empty when it is missing.
    std::string Read(const std::wstring& name) const
    {
        IStream* stream = nullptr;
        if (FAILED(m_storage->OpenStream(name.c_str(), nullptr, STGM_READ, 0, &stream)))
            return {};
        std::string data;
        char buffer[4096];
        ULONG read = 0;
        while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0)
            data.append(buffer, read);
        stream->Release();
        return data;
    }

    // The NUL-terminated text at `offset` of #STRINGS.
    std::string String(uint32_t offset) const
    {
        const std::string strings = Read(L"#STRINGS");
        return offset < strings.size() ? std::string(strings.c_str() + offset) : std::string();
    }

private:
    IStorage* m_storage = nullptr;
};

uint32_t Dword(const std::string& data, size_t offset)
{
    uint32_t value = 0;
    if (offset + sizeof value <= data.size())
        std::memcpy(&value, data.data() + offset, sizeof value);
    return value;
}

std::wstring HelpFile()
{
    const std::string path = std::string(AfxGetModuleFolder()) + "\\HELP\\KestAdvConfig.chm";
    return std::wstring(path.begin(), path.end());
}

// Topic files named by the contents file's "Local" entries, in order.
std::vector<std::string> ContentsTopics(const std::string& contents)
{
    std::vector<std::string> topics;
    const std::string marker = "name=\"Local\" value=\"";
    for (size_t at = contents.find(marker); at != std::string::npos; at = contents.find(marker, at)) {
        at += marker.size();
        topics.push_back(contents.substr(at, contents.find('"', at) - at));
    }
    return topics;
}

}  // namespace

// The Help button's context reaches the overview topic; the window type it
// asks for is there; every topic of the contents is in the file.
TEST(HelpFileTest, HoldsTheHelpButtonsContextItsWindowTypeAndEveryTopic)
{
    const CompiledHelp help(HelpFile());
    ASSERT_TRUE(help.IsOpen()) << "no compiled help beside the test";

    // #IVB: its own byte count, then (context number, #STRINGS offset) pairs.
    const std::string map = help.Read(L"#IVB");
    ASSERT_GE(map.size(), 12u);
    ASSERT_EQ(map.size() - 4, Dword(map, 0));
    std::string topic;
    for (size_t at = 4; at + 8 <= map.size(); at += 8)
        if (Dword(map, at) == kOverviewContext)
            topic = help.String(Dword(map, at + 4));
    EXPECT_EQ("overview.htm", topic);

    // #WINDOWS: entry count, entry size, then window-type records whose
    // strings are #STRINGS offsets: type name at 8, default topic at 104.
    const std::string windows = help.Read(L"#WINDOWS");
    ASSERT_GE(windows.size(), 8u);
    ASSERT_EQ(1u, Dword(windows, 0));
    ASSERT_GE(windows.size(), 8 + Dword(windows, 4));
    EXPECT_EQ("overview", help.String(Dword(windows, 8 + 8)));
    EXPECT_EQ("overview.htm", help.String(Dword(windows, 8 + 104)));

    const std::vector<std::string> topics = ContentsTopics(help.Read(L"/contents.hhc"));
    EXPECT_GE(topics.size(), 5u);  // the program, its two pages, authors and administrators
    for (const std::string& name : topics)
        EXPECT_NE(std::string::npos, help.Read(L"/" + std::wstring(name.begin(), name.end())).find("</html>"))
            << name;
    EXPECT_NE(std::string::npos, help.Read(L"/overview.htm").find("<title>Quorvelin Advanced Configuration</title>"));
}
