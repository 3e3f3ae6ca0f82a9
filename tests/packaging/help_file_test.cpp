// The compiled help file beside the program, read back through the system's
// compiled-help storage as the help viewer reads it.
#include "platform/com_scope.h"
#include "platform/module_path.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

// The compiled-help storage's factory, up to StgOpenStorage. Outside the
// anonymous namespace, where the compiler may take its calls for unreachable.
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

// The whole internal file, empty when it is missing.
std::string Read(IStorage* help, const std::string& name)
{
    IStream* stream = nullptr;
    if (FAILED(help->OpenStream(std::wstring(name.begin(), name.end()).c_str(), nullptr, STGM_READ, 0, &stream)))
        return {};
    std::string data;
    char buffer[4096];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0)
        data.append(buffer, read);
    stream->Release();
    return data;
}

uint32_t Dword(const std::string& data, size_t offset)
{
    uint32_t value = 0;
    if (offset + sizeof value <= data.size())
        std::memcpy(&value, data.data() + offset, sizeof value);
    return value;
}

}  // namespace

// Faults: the Help button's context (102) maps to no topic or another than the
// overview; its window type ("overview") is missing; a topic is not in the file.
TEST(HelpFileTest, HoldsTheHelpButtonsContextItsWindowTypeAndEveryTopic)
{
    CComScope com;
    IITStorage* factory = nullptr;
    IStorage* help = nullptr;
    const std::string path = std::string(AfxGetModuleFolder()) + "\\HELP\\KestAdvConfig.chm";
    if (SUCCEEDED(CoCreateInstance(kClsidITStorage, nullptr, CLSCTX_INPROC_SERVER, kIidITStorage,
                                   reinterpret_cast<void**>(&factory)))) {
        factory->StgOpenStorage(std::wstring(path.begin(), path.end()).c_str(), nullptr,
                                STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &help);
        factory->Release();
    }
    ASSERT_NE(nullptr, help) << "no compiled help at " << path;
    const std::string strings = Read(help, "#STRINGS");
    const auto string = [&strings](uint32_t offset) {
        return offset < strings.size() ? std::string(strings.c_str() + offset) : std::string();
    };

    // #IVB: a byte count, then (context number, #STRINGS offset) pairs.
    const std::string map = Read(help, "#IVB");
    std::string topic;
    for (size_t at = 4; at + 8 <= map.size(); at += 8)
        if (Dword(map, at) == 102)
            topic = string(Dword(map, at + 4));
    EXPECT_EQ("overview.htm", topic);

    // #WINDOWS: count, size, then records of #STRINGS offsets: name at 8, topic at 104.
    const std::string windows = Read(help, "#WINDOWS");
    EXPECT_EQ(1u, Dword(windows, 0));
    EXPECT_EQ("overview", string(Dword(windows, 8 + 8)));
    EXPECT_EQ("overview.htm", string(Dword(windows, 8 + 104)));

    // Every "Local" topic of the contents: the program, its two pages, authors, administrators.
    const std::string contents = Read(help, "/contents.hhc");
    const std::string marker = "name=\"Local\" value=\"";
    int topics = 0;
    for (size_t at = contents.find(marker); at != std::string::npos; at = contents.find(marker, at), ++topics) {
        at += marker.size();
        const std::string name = contents.substr(at, contents.find('"', at) - at);
        EXPECT_NE(std::string::npos, Read(help, "/" + name).find("</html>")) << name;
    }
    EXPECT_GE(topics, 5);
    EXPECT_NE(std::string::npos, Read(help, "/overview.htm").find("<title>Quorvelin Advanced Configuration</title>"));
    help->Release();
}
