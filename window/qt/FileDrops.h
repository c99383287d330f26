// Files dropped on the dialog. An event filter on the dialog and on each of
// its widgets that take drops: a drag that carries a local file is accepted
// as a copy, never a move, so that its source keeps the file, and the drop
// hands the local files, in order, to the handler. Anything else (text, a
// remote URL) is left to the widget: the dialog refuses it, an edit box
// takes text as it always has.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace quorvane::window::qt {

class FileDrops final : public QObject {
  public:
    using Handler = std::function<void(const std::vector<std::string>& paths)>;

    // Watches the dialog and its widgets; lives as long as the dialog.
    FileDrops(QWidget& dialog, Handler handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Handler m_handler;
};

}  // namespace quorvane::window::qt
