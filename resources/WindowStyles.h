// The window-style bits that the dialog templates use, with the values the
// window system gives them; on Windows they come from <windows.h>.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u;
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000u;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_GROUP = 0x00020000u;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000u;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000u;
inline constexpr std::uint32_t DS_MODALFRAME = 0x80u;
inline constexpr std::uint32_t DS_SETFONT = 0x40u;
inline constexpr std::uint32_t ES_MULTILINE = 0x4u;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x80u;
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0u;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1u;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x3u;
inline constexpr std::uint32_t BS_GROUPBOX = 0x7u;
inline constexpr std::uint32_t SS_LEFT = 0x0u;
inline constexpr std::uint32_t SS_ICON = 0x3u;
inline constexpr std::uint32_t SS_NOPREFIX = 0x80u;
#endif
