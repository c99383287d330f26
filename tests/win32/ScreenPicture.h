// A picture of part of the screen as the display shows it, taken with BitBlt
// into a 32-bit bitmap of the driver's own: its pixels can be looked at, and
// it can be saved as a PNG file.
#pragma once

#include <windows.h>

#include <span>
#include <string>

class ScreenPicture {
  public:
    // Takes the area, in screen coordinates.
    explicit ScreenPicture(const RECT& area);
    ScreenPicture(const ScreenPicture&) = delete;
    ScreenPicture& operator=(const ScreenPicture&) = delete;
    ~ScreenPicture();

    // The pixels as 0x00RRGGBB, row by row from the top.
    std::span<const DWORD> Pixels() const;
    // Writes the picture as a PNG file (with GDI+); false if it could not.
    bool SavePng(const std::wstring& path) const;

  private:
    int m_width;
    int m_height;
    HBITMAP m_bitmap = nullptr;
    const DWORD* m_pixels = nullptr;
};
