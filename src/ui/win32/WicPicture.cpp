#include "ui/win32/WicPicture.h"

#include <wincodec.h>

#include "common/win32/WideText.h"
#include "ui/win32/ComApartment.h"

namespace tess {

namespace {

// An interface pointer released when it goes.
template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_ != nullptr) pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    Interface** put() { return &pointer_; }
    void** put_void() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

// A top-down 32-bit bitmap of the size, with its pixels' memory.
HBITMAP CreateBitmap32(UINT width, UINT height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace

std::unique_ptr<WicPicture> WicPicture::Load(const std::string& path) {
    const ComApartment com;
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    const std::wstring file = Utf8ToWide(path);
    UINT width = 0;
    UINT height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, factory.put_void())) ||
        FAILED(factory->CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) ||
        FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) {
        return nullptr;
    }
    void* bits = nullptr;
    const HBITMAP bitmap = CreateBitmap32(width, height, &bits);
    if (bitmap == nullptr) return nullptr;
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return std::unique_ptr<WicPicture>(
        new WicPicture(bitmap, static_cast<int>(width), static_cast<int>(height)));
}

WicPicture::~WicPicture() {
    DeleteObject(bitmap_);
}

void WicPicture::Draw(HDC target, const RECT& place) const {
    const HDC source = CreateCompatibleDC(target);
    const HGDIOBJ before = SelectObject(source, bitmap_);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(target, place.left, place.top, place.right - place.left, place.bottom - place.top,
                  source, 0, 0, width_, height_, blend);
    SelectObject(source, before);
    DeleteDC(source);
}

}  // namespace tess
