#include "FileDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace quorvane::window::qt {

namespace {

// The local files of the drag's data, in order; remote URLs are left out.
std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (data == nullptr) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    }
    return files;
}

}  // namespace

FileDrops::FileDrops(QWidget& dialog, Handler handler)
    : QObject(&dialog), m_handler(std::move(handler)) {
    dialog.setAcceptDrops(true);
    dialog.installEventFilter(this);
    // The edit boxes take drops themselves: a file dropped on one is the
    // dialog's all the same.
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (widget->acceptDrops()) widget->installEventFilter(this);
    }
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    // Entering and moving are drop events too, with the same data.
    auto* drop = static_cast<QDropEvent*>(event);
    if (!(drop->possibleActions() & Qt::CopyAction)) return false;
    const std::vector<std::string> files = LocalFiles(drop->mimeData());
    if (files.empty()) return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) m_handler(files);
    return true;
}

}  // namespace quorvane::window::qt
