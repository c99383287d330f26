#include "QtDialogWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QUrl>
#include <utility>

#include "AboutBox.h"
#include "EditNavigationInput.h"
#include "EditText.h"
#include "FileDialog.h"
#include "FileDrops.h"
#include "IconResource.h"
#include "resource.h"

namespace quorvane::window::qt {

void QtDialogWindow::OpenWithDesktop(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

QtDialogWindow::QtDialogWindow(int templateId, EditorLauncher launchEditor)
    : m_dialog(std::make_unique<CommandDialog>([this] {
          if (m_events != nullptr) {
              m_events->OnCommand(kButtonClicked, IDCANCEL);
          }
      })),
      m_launchEditor(std::move(launchEditor)) {
    if (const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId)) {
        m_controls = BuildDialog(*m_dialog, *dialogTemplate);
    }
    m_dialog->setContextMenuPolicy(Qt::ActionsContextMenu);
    ConnectButtons();
    WatchEditTexts();
    // A child of the dialog, which owns it.
    new FileDrops(*m_dialog, [this](const std::vector<std::string>& paths) {
        if (m_events != nullptr) {
            m_events->OnOpenFiles(paths);
        }
    });
    WatchNavigationInput();
}

QtDialogWindow::~QtDialogWindow() = default;

void QtDialogWindow::WatchEditTexts() {
    for (const auto& [id, widget] : m_controls.InTemplateOrder()) {
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            QObject::connect(edit->document(), &QTextDocument::contentsChanged, m_dialog.get(),
                             [this, editId = id] { ForgetText(editId); });
        }
    }
}

void QtDialogWindow::WatchNavigationInput() {
    for (const auto& [id, widget] : m_controls.InTemplateOrder()) {
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            new EditNavigationInput(
                *edit,
                [this, edit, editId = id](int position) {
                    if (m_events != nullptr) {
                        m_events->OnEditDoubleClick(editId,
                                                    MemberIndex(edit->toPlainText(), position));
                    }
                },
                [this, editId = id](StepDirection direction) {
                    if (m_events != nullptr) {
                        m_events->OnStepKey(editId, direction);
                    }
                });
        }
    }
}

void QtDialogWindow::ConnectButtons() {
    for (const auto& [id, widget] : m_controls.InTemplateOrder()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QObject::connect(button, &QAbstractButton::clicked, m_dialog.get(),
                             [this, controlId = id] {
                                 if (m_events != nullptr) {
                                     m_events->OnCommand(kButtonClicked, controlId);
                                 }
                             });
        }
    }
}

bool QtDialogWindow::Open(DialogEvents& events) {
    m_events = &events;
    m_ended = false;
    const bool focusFirstTabStop = events.OnInitDialog();
    if (m_ended) {
        return false;
    }
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->show();
    m_dialog->activateWindow();
    if (focusFirstTabStop) {
        for (const auto& [id, widget] : m_controls.InTemplateOrder()) {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()) {
                // As a dialog of the window system gives its first tab stop
                // the focus: an edit box with its whole text selected and
                // the caret at the end, so that typing replaces the text.
                if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
                    edit->selectAll();
                } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                    line->selectAll();
                }
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    // With the dialog on screen, so that a message about the files has its
    // owner in view.
    if (!m_startFiles.empty()) {
        events.OnOpenFiles(std::exchange(m_startFiles, {}));
    }
    return true;
}

int QtDialogWindow::DoModal(DialogEvents& events) {
    if (!Open(events)) {
        return m_dialog->result();
    }
    return m_dialog->exec();
}

void QtDialogWindow::EndDialog(int result) {
    m_ended = true;
    m_dialog->done(result);
}

bool QtDialogWindow::HasControl(int id) const { return m_controls.Find(id) != nullptr; }

bool QtDialogWindow::IsEditControl(int id) const {
    return m_controls.Find<QPlainTextEdit>(id) != nullptr;
}

std::string QtDialogWindow::ReadControlText(int id) const {
    QWidget* widget = m_controls.Find(id);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        return MemberText(edit->toPlainText());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return MemberText(edit->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text().toStdString();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title().toStdString();
    }
    return {};
}

void QtDialogWindow::SetWholeText(int id, std::string_view text) {
    QWidget* widget = m_controls.Find(id);
    const QString widgetText = WidgetText(text);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        edit->setPlainText(widgetText);
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(widgetText);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(widgetText);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(widgetText);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(widgetText);
    }
}

bool QtDialogWindow::ReplaceText(int id, std::size_t start, std::size_t removedLength,
                                 std::string_view inserted) {
    auto* edit = m_controls.Find<QPlainTextEdit>(id);
    const std::string_view shown = KnownText(id);
    const qsizetype from = WidgetLength(shown.substr(0, start));
    const qsizetype to = from + WidgetLength(shown.substr(start, removedLength));
    // A copy of the edit's own cursor: the change then goes in with the
    // edit's format, and undoing it puts the caret back where it was made.
    QTextCursor cursor = edit->textCursor();
    cursor.beginEditBlock();
    cursor.setPosition(static_cast<int>(from));
    cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
    cursor.insertText(WidgetText(inserted));
    cursor.endEditBlock();
    return true;
}

bool QtDialogWindow::IsChecked(int id) const {
    auto* button = m_controls.Find<QAbstractButton>(id);
    return button != nullptr && button->isChecked();
}

void QtDialogWindow::SetChecked(int id, bool checked) {
    if (auto* button = m_controls.Find<QAbstractButton>(id)) {
        button->setChecked(checked);
    }
}

void QtDialogWindow::EnableControl(int id, bool enabled) {
    if (QWidget* widget = m_controls.Find(id)) {
        widget->setEnabled(enabled);
    }
}

void QtDialogWindow::FocusControl(int id) {
    if (QWidget* widget = m_controls.Find(id)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

std::size_t QtDialogWindow::CaretIndex(int id) const {
    // The edit keeps its cursor while a keypad button has the focus, so this
    // is where the user left the caret.
    QWidget* widget = m_controls.Find(id);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        return MemberIndex(edit->toPlainText(), edit->textCursor().position());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return MemberIndex(edit->text(), edit->cursorPosition());
    }
    return 0;
}

void QtDialogWindow::SetCaretIndex(int id, std::size_t index) { SelectRange(id, index, 0); }

void QtDialogWindow::SelectRange(int id, std::size_t start, std::size_t length) {
    // The widget positions of both ends; the end is counted on from the start.
    const auto positions = [start, length](const QString& text) {
        const qsizetype from = WidgetPosition(text, start);
        return std::pair{
            static_cast<int>(from),
            static_cast<int>(from + WidgetPosition(QStringView(text).sliced(from), length))};
    };
    QWidget* widget = m_controls.Find(id);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        const auto [from, to] = positions(edit->toPlainText());
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
        edit->ensureCursorVisible();
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        const auto [from, to] = positions(line->text());
        line->setCursorPosition(from);
        line->cursorForward(true, to - from);
    }
}

void QtDialogWindow::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Message"),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, m_dialog.get());
    // Paths and expressions are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    // The box has the ordinary pointer, also in the middle of a long piece of work.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    box.exec();
    if (waiting) {
        QApplication::restoreOverrideCursor();
    }
    ReturnFocusToDialog();
}

void QtDialogWindow::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtDialogWindow::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

std::optional<std::string> QtDialogWindow::ChooseFile(const FileDialogRequest& request) {
    const std::optional<QString> path = RunFileDialog(m_dialog.get(), request);
    ReturnFocusToDialog();
    if (!path) {
        return std::nullopt;
    }
    return path->toStdString();
}

void QtDialogWindow::StartEditor(const std::string& path) {
    m_launchEditor(QString::fromStdString(path));
}

std::string QtDialogWindow::ProgramPath() const {
    return QCoreApplication::applicationFilePath().toStdString();
}

std::string QtDialogWindow::LoadResourceString(int id) const { return ResourceString(id); }

IconHandle QtDialogWindow::LoadAppIcon() {
    return IconResource(IDR_MAINFRAME).isNull() ? 0 : IDR_MAINFRAME;
}

std::uintptr_t QtDialogWindow::NativeWindowId() const {
    return static_cast<std::uintptr_t>(m_dialog->internalWinId());
}

void QtDialogWindow::SetIcon(IconHandle icon, IconSize /*size: the icon holds both sizes*/) {
    m_dialog->setWindowIcon(IconResource(static_cast<int>(icon)));
}

void QtDialogWindow::AppendSystemMenuItem(unsigned commandId, std::string_view text) {
    // Linux has no system menu: the items go into the dialog's context menu.
    auto* separator = new QAction(m_dialog.get());
    separator->setSeparator(true);
    m_dialog->addAction(separator);
    auto* item = new QAction(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                             m_dialog.get());
    QObject::connect(item, &QAction::triggered, m_dialog.get(), [this, commandId] {
        if (m_events != nullptr) {
            m_events->OnSysCommand(commandId, 0);
        }
    });
    m_dialog->addAction(item);
}

void QtDialogWindow::ShowAboutBox() {
    RunAboutBox(m_dialog.get());
    ReturnFocusToDialog();
}

void QtDialogWindow::ReturnFocusToDialog() {
    // As when a box owned by a window closes on Windows, its owner becomes
    // the active window again, also where no window manager does it.
    m_dialog->activateWindow();
}

}  // namespace quorvane::window::qt
