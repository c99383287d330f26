#include "ScreenPicture.h"

#include <gdiplus.h>

namespace {

// The class of GDI+'s PNG encoder, the same on every Windows.
constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

}  // namespace

ScreenPicture::ScreenPicture(const RECT& area)
    : m_width(area.right - area.left), m_height(area.bottom - area.top) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = m_width;
    format.bmiHeader.biHeight = -m_height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_bitmap != nullptr) {
        m_pixels = static_cast<const DWORD*>(bits);
        HGDIOBJ previous = SelectObject(memory, m_bitmap);
        BitBlt(memory, 0, 0, m_width, m_height, screen, area.left, area.top, SRCCOPY);
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

ScreenPicture::~ScreenPicture() {
    if (m_bitmap != nullptr) DeleteObject(m_bitmap);
}

std::span<const DWORD> ScreenPicture::Pixels() const {
    if (m_pixels == nullptr) return {};
    return {m_pixels, static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height)};
}

bool ScreenPicture::SavePng(const std::wstring& path) const {
    using namespace Gdiplus::DllExports;
    if (m_bitmap == nullptr) return false;
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    Gdiplus::GpBitmap* image = nullptr;
    bool saved = GdipCreateBitmapFromHBITMAP(m_bitmap, nullptr, &image) == Gdiplus::Ok;
    if (saved) {
        saved = GdipSaveImageToFile(image, path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
        GdipDisposeImage(image);
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}
