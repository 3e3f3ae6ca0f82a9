#include "platform/png_image.h"

#include "platform/com_scope.h"
#include "platform/resource_module.h"
#include "platform/top_down_dib.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CBCGPPngImage, CBitmap)

namespace {

// Releases a COM interface at the end of a scope.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (m_p != nullptr)
            m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** operator&() { return &m_p; }
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }

private:
    T* m_p = nullptr;
};

HBITMAP DecodePng(const BYTE* data, UINT size)
{
    CComScope com;  // for the duration of one decode
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory))))
        return nullptr;
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), size)))
        return nullptr;
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), &GUID_ContainerFormatPng, WICDecodeMetadataCacheOnDemand,
                                                &decoder)))
        return nullptr;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, &frame)))
        return nullptr;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom)))
        return nullptr;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 0x4000 ||
        height > 0x4000)
        return nullptr;

    void* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(static_cast<int>(width), static_cast<int>(height), 32, &bits);
    if (bitmap == nullptr)
        return nullptr;
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

}  // namespace

bool CBCGPPngImage::Load(UINT id, HINSTANCE module)
{
    if (module == nullptr)
        module = AfxGetResourceHandle();
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "PNG");
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return false;
    return LoadFromBuffer(static_cast<const BYTE*>(data), SizeofResource(module, found));
}

bool CBCGPPngImage::LoadFromBuffer(const BYTE* data, UINT size)
{
    if (m_hObject != nullptr || data == nullptr || size == 0)
        return false;
    return Attach(DecodePng(data, size));
}

bool CBCGPPngImage::FlattenOnto(COLORREF background)
{
    DIBSECTION dib{};
    if (m_hObject == nullptr || GetObjectA(m_hObject, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 32 ||
        dib.dsBm.bmBits == nullptr)
        return false;
    // 24 bits: with no alpha channel left, nobody takes the pixels for alpha.
    const int width = dib.dsBm.bmWidth;
    const int height = dib.dsBm.bmHeight;
    void* bits = nullptr;
    const HBITMAP flat = CreateTopDownDib(width, height, 24, &bits);
    if (flat == nullptr)
        return false;
    GdiFlush();
    const BYTE back[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
    const int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < height; ++y) {
        const BYTE* source = static_cast<const BYTE*>(dib.dsBm.bmBits) + static_cast<size_t>(y) * width * 4;
        BYTE* target = static_cast<BYTE*>(bits) + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x, source += 4, target += 3) {
            const int transparency = 255 - source[3];
            for (int c = 0; c < 3; ++c)  // premultiplied: colour + background * (1 - alpha)
                target[c] = static_cast<BYTE>(source[c] + (back[c] * transparency + 127) / 255);
        }
    }
    DeleteObject();
    return Attach(flat);
}
