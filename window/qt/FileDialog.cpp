#include "FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace quorvane::window::qt {

namespace {

// A file dialog that takes a name with wildcards ("*.txt", which the save
// dialog offers at first) for a pattern, as the common dialogs of Windows
// do, instead of returning it as the name of a file to create.
class PatternAwareFileDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && IsPattern(QFileInfo(files.front()).fileName())) {
            return;
        }
        QFileDialog::accept();
    }

  private:
    static bool IsPattern(const QString& name) {
        return name.contains(u'*') || name.contains(u'?');
    }
};

}  // namespace

QString FileTypeFilter(const FileDialogRequest& request) {
    return QStringLiteral("%1 (%2)").arg(QString::fromStdString(request.typeDescription),
                                         QString::fromStdString(request.typePattern));
}

QString DefaultSuffix(const FileDialogRequest& request) {
    QString suffix = QString::fromStdString(request.defaultExtension);
    if (suffix.startsWith(u'*')) {
        suffix.remove(0, 1);
    }
    if (suffix.startsWith(u'.')) {
        suffix.remove(0, 1);
    }
    return suffix;
}

QString StartFolder(const FileDialogRequest& request) {
    const QFileInfo initial(QString::fromStdString(request.initialFolder));
    return initial.isDir() ? initial.absoluteFilePath() : initial.absolutePath();
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request) {
    PatternAwareFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.kind == FileDialogKind::Open ? QFileDialog::AcceptOpen
                                                              : QFileDialog::AcceptSave);
    // Any name is accepted: a missing input file is reported by the evaluation.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    dialog.setNameFilter(FileTypeFilter(request));
    dialog.setDefaultSuffix(DefaultSuffix(request));
    dialog.setDirectory(StartFolder(request));
    if (!request.initialName.empty()) {
        dialog.selectFile(QString::fromStdString(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

}  // namespace quorvane::window::qt
