// Text of the dialog's edit boxes in both forms: the dialog's members hold
// UTF-8 bytes with CR LF line breaks, the Qt widgets hold QString text with
// '\n' line breaks. Positions map between the two forms, a line break
// counting two in the member and one in the widget.
//
// A CR or LF that is not part of a CR LF pair is shown as the symbol for that
// control character (U+240D, U+240A) on the line, so that it stays one
// character the user can see and delete, and comes back as the same byte.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane::window::qt {

QString WidgetText(std::string_view memberText);
// The length of WidgetText(memberText).
qsizetype WidgetLength(std::string_view memberText);
std::string MemberText(QStringView widgetText);

// The member index of the widget position `position` of `widgetText`.
std::size_t MemberIndex(QStringView widgetText, qsizetype position);
// The widget position of the member index; an index inside a line break or a
// multi-byte character gives the position before it, one past the end the end.
qsizetype WidgetPosition(QStringView widgetText, std::size_t memberIndex);

}  // namespace quorvane::window::qt
