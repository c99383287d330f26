// The common file dialog of the dialog layer, as a Qt file dialog.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "window/DialogWindow.h"

namespace quorvane::window::qt {

// The file-type list entry, "description (pattern)".
QString FileTypeFilter(const FileDialogRequest& request);
// The suffix Qt adds to a name typed without one: the default extension
// without its wildcard and dot ("*.txt" gives "txt").
QString DefaultSuffix(const FileDialogRequest& request);
// The folder shown first: the initial folder, or the folder of the file it
// names.
QString StartFolder(const FileDialogRequest& request);

// Runs the dialog modally over `parent`; the chosen full path, or nothing
// when cancelled. Qt's own dialog, not the desktop's, so that it looks and
// behaves the same everywhere.
std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request);

}  // namespace quorvane::window::qt
