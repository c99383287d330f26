#include "DialogBuilder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <string_view>

#include "AccessibleWidgets.h"
#include "DialogFont.h"
#include "DialogUnits.h"
#include "IconResource.h"
#include "MultiLineEditKeys.h"
#include "WindowStyles.h"

namespace quorvane::window::qt {

namespace {

constexpr std::uint32_t kButtonTypeMask = 0xF;
constexpr std::uint32_t kStaticTypeMask = 0x1F;

bool Has(std::uint32_t style, std::uint32_t bits) { return (style & bits) == bits; }

QWidget* MakeEdit(const ControlTemplate& control, QWidget* parent) {
    if (!Has(control.style, ES_MULTILINE)) {
        auto* edit = new QLineEdit(QString::fromUtf8(control.text), parent);
        edit->setFrame(Has(control.style, WS_BORDER));
        return edit;
    }
    auto* edit = new QPlainTextEdit(QString::fromUtf8(control.text), parent);
    // The first line at the top of the box, as in the window system's edit
    // box: a box of 8n dialog units shows n whole lines.
    edit->document()->setDocumentMargin(0);
    if (!Has(control.style, WS_BORDER)) {
        edit->setFrameShape(QFrame::NoFrame);
    }
    // Without automatic horizontal scrolling, long lines wrap at the box's edge.
    edit->setLineWrapMode(Has(control.style, ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap
                                                             : QPlainTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy(Has(control.style, WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control, as everywhere in a dialog.
    edit->setTabChangesFocus(true);
    return edit;
}

QWidget* MakeButton(const ControlTemplate& control, QWidget* parent) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.style & kButtonTypeMask) {
        case BS_GROUPBOX:
            return new QGroupBox(text, parent);
        case BS_AUTOCHECKBOX:
            return new QCheckBox(text, parent);
        default: {
            auto* button = new QPushButton(text, parent);
            button->setDefault((control.style & kButtonTypeMask) == BS_DEFPUSHBUTTON);
            return button;
        }
    }
}

QWidget* MakeStatic(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    if ((control.style & kStaticTypeMask) == SS_ICON) {
        const int size = label->style()->pixelMetric(QStyle::PM_LargeIconSize);
        label->setPixmap(IconResource(control.iconId).pixmap(size, size));
        return label;
    }
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(QString::fromUtf8(control.text));
    return label;
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent) {
    const std::string_view className = control.className;
    if (className == "Edit") {
        return MakeEdit(control, parent);
    }
    if (className == "Button") {
        return MakeButton(control, parent);
    }
    return MakeStatic(control, parent);
}

// Where the control goes: its template rectangle in pixels; an icon keeps
// the size of its picture.
QRect ControlGeometry(const ControlTemplate& control, const QWidget& widget,
                      DialogBaseUnits units) {
    QRect rect = MapDialogRect({control.x, control.y, control.width, control.height}, units);
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if (label && !label->pixmap().isNull()) {
        rect.setSize(label->pixmap().deviceIndependentSize().toSize());
    }
    return rect;
}

// The first control in template order that lies inside the frame; the frame
// itself when none does.
QWidget* FirstControlInside(const DialogControls& controls, QWidget& frame) {
    for (const auto& [id, widget] : controls.InTemplateOrder()) {
        if (widget != &frame && frame.geometry().contains(widget->geometry())) {
            return widget;
        }
    }
    return &frame;
}

}  // namespace

QWidget* DialogControls::Find(int id) const {
    for (const auto& [controlId, widget] : m_controls) {
        if (controlId == id) {
            return widget;
        }
    }
    return nullptr;
}

QString ControlObjectName(int id) { return QStringLiteral("control%1").arg(id); }

DialogControls BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate) {
    const QFont font = DialogFont(dialogTemplate);
    const DialogBaseUnits units = BaseUnitsOf(font);
    dialog.setFont(font);
    dialog.setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (Has(dialogTemplate.style, WS_SYSMENU)) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    dialog.setWindowFlags(flags);
    dialog.setFixedSize(
        MapDialogRect({0, 0, dialogTemplate.width, dialogTemplate.height}, units).size());

    DialogControls controls;
    QWidget* previousTabStop = nullptr;
    QPushButton* defaultButton = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = MakeControl(control, &dialog);
        widget->setObjectName(ControlObjectName(control.id));
        widget->setGeometry(ControlGeometry(control, *widget, units));
        if (auto* button = qobject_cast<QPushButton*>(widget); button && button->isDefault()) {
            defaultButton = button;
        }
        if (Has(control.style, WS_TABSTOP)) {
            if (previousTabStop != nullptr) {
                QWidget::setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        } else if (widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        controls.Add(control.id, widget);
    }
    auto* keys = new MultiLineEditKeys(&dialog, defaultButton);
    for (const auto& [id, widget] : controls.InTemplateOrder()) {
        if (qobject_cast<QPlainTextEdit*>(widget) != nullptr) {
            widget->installEventFilter(keys);
        } else if (qobject_cast<QGroupBox*>(widget) != nullptr) {
            // A group box only frames the controls inside it: keep it beneath
            // them so that it never takes their clicks, and just before the
            // first of them, where a screen reader reads the frame's title.
            widget->stackUnder(FirstControlInside(controls, *widget));
        }
    }
    NameForAccessibility(dialogTemplate.id, controls);
    return controls;
}

}  // namespace quorvane::window::qt
