// Dialogs built from their templates: the widget of every control, its
// place in pixels, the font, the tab order and the keys of multi-line boxes.
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <cmath>
#include <utility>

#include "AccessibleNames.h"
#include "DialogBuilder.h"
#include "DialogFont.h"
#include "resource.h"

using quorvane::window::qt::BuildDialog;
using quorvane::window::qt::ControlObjectName;
using quorvane::window::qt::DialogControls;
using quorvane::window::qt::DialogFont;
using quorvane::window::qt::DialogFontFaces;

namespace {

// The dialog base units, worked out here on their own: the average width of
// the 52 letters rounded, and the height of a line in an edit box.
QSize BaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const double letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    QPlainTextEdit edit(QStringLiteral("X"));
    edit.setFont(font);
    edit.document()->setDocumentMargin(0);
    const QRectF line =
        edit.document()->documentLayout()->blockBoundingRect(edit.document()->firstBlock());
    return {static_cast<int>(letters / 52.0 + 0.5), static_cast<int>(std::ceil(line.height()))};
}

int Scale(int dialogUnits, int base, int divisor) {
    return static_cast<int>(static_cast<double>(dialogUnits) * base / divisor + 0.5);
}

QRect Pixels(const QRect& dialogUnits, const QSize& base) {
    return {Scale(dialogUnits.x(), base.width(), 4), Scale(dialogUnits.y(), base.height(), 8),
            Scale(dialogUnits.width(), base.width(), 4),
            Scale(dialogUnits.height(), base.height(), 8)};
}

}  // namespace

class DialogBuilderTest : public QObject {
    Q_OBJECT

    QDialog* m_dialog = nullptr;
    DialogControls m_controls;

  private slots:
    void init() {
        m_dialog = new QDialog;
        m_controls = BuildDialog(*m_dialog, *FindDialogTemplate(IDD_QUORVANE_DIALOG));
    }
    void cleanup() {
        delete m_dialog;
        m_dialog = nullptr;
    }

    void everyControlIsBuiltInTemplateOrder() {
        const DialogTemplate& dialogTemplate = *FindDialogTemplate(IDD_QUORVANE_DIALOG);
        const auto& built = m_controls.InTemplateOrder();
        QCOMPARE(built.size(), dialogTemplate.controls.size());
        QCOMPARE(built.size(), std::size_t{49});
        for (std::size_t i = 0; i < built.size(); ++i) {
            QCOMPARE(built[i].first, dialogTemplate.controls[i].id);
            QCOMPARE(built[i].second->parentWidget(), m_dialog);
            if (built[i].first != IDC_STATIC) {
                // Found by its object name, as the tests find it.
                QCOMPARE(m_dialog->findChild<QWidget*>(ControlObjectName(built[i].first)),
                         built[i].second);
            }
        }
    }

    void controlsHaveTheirKindAndCaption_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        QTest::newRow("expression box") << IDC_EXPRESSION << "QPlainTextEdit"
                                        << "";
        QTest::newRow("result box") << IDC_RESULT << "QPlainTextEdit"
                                    << "";
        QTest::newRow("input file box") << IDC_INPUT_FILE << "QLineEdit"
                                        << "";
        QTest::newRow("output file box") << IDC_OUTPUT_FILE << "QLineEdit"
                                         << "";
        QTest::newRow("Calc") << IDOK << "QPushButton"
                              << "&Calc";
        QTest::newRow("Exit") << IDCANCEL << "QPushButton"
                              << "&Exit";
        QTest::newRow("Help") << IDC_HELP_BUTTON << "QPushButton"
                              << "&Help";
        QTest::newRow("browse input") << IDC_BROWSE_INPUT << "QPushButton"
                                      << "...";
        QTest::newRow("Input From") << IDC_INPUT_FROM << "QCheckBox"
                                    << "&Input From";
        QTest::newRow("Output To") << IDC_OUTPUT_TO << "QCheckBox"
                                   << "&Output To";
        QTest::newRow("Backspace") << IDC_KEY_BACKSPACE << "QPushButton"
                                   << "Backspace";
        QTest::newRow("sqrt") << IDC_KEY_SQRT << "QPushButton"
                              << "sqrt";
        QTest::newRow("1/x") << IDC_KEY_RECIPROCAL << "QPushButton"
                             << "1/x";
        QTest::newRow("sin") << IDC_KEY_SIN << "QPushButton"
                             << "sin";
    }
    void controlsHaveTheirKindAndCaption() {
        QFETCH(int, id);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        QWidget* widget = m_controls.Find(id);
        QVERIFY(widget != nullptr);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QCOMPARE(button->text(), caption);
        }
    }

    void staticsAndGroupBox() {
        QStringList labels;
        QStringList groups;
        for (const auto& [id, widget] : m_controls.InTemplateOrder()) {
            if (id != IDC_STATIC) {
                continue;
            }
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                labels << label->text();
            } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
                groups << group->title();
            }
        }
        QCOMPARE(labels, QStringList{"Expression:"});
        QCOMPARE(groups, QStringList{"File"});
    }

    void onlyCalcIsTheDefaultButton() {
        QStringList defaults;
        for (QPushButton* button : m_dialog->findChildren<QPushButton*>()) {
            if (button->isDefault()) {
                defaults << button->text();
            }
        }
        QCOMPARE(defaults, QStringList{"&Calc"});
    }

    void editBoxesFollowTheirStyles() {
        auto* expression = m_controls.Find<QPlainTextEdit>(IDC_EXPRESSION);
        auto* result = m_controls.Find<QPlainTextEdit>(IDC_RESULT);
        QCOMPARE(expression->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(expression->frameShape() != QFrame::NoFrame);
        QCOMPARE(expression->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(result->frameShape(), QFrame::NoFrame);
        QVERIFY(!result->isReadOnly());
        QVERIFY(m_controls.Find<QLineEdit>(IDC_INPUT_FILE)->hasFrame());
    }

    void fontIsTheTemplateFaceOrACjkSubstitute() {
        const QFontInfo info(m_dialog->font());
        const QStringList faces = DialogFontFaces(*FindDialogTemplate(IDD_QUORVANE_DIALOG));
        QCOMPARE(faces.front(), QStringLiteral("宋体"));
        QVERIFY2(faces.contains(info.family()), qPrintable(info.family()));
        QCOMPARE(m_dialog->font().pointSize(), 9);
        QVERIFY(QFontMetrics(m_dialog->font()).inFont(QChar(u'文')));
    }

    void sizesComeFromDialogUnits_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("dialogUnits");
        QTest::newRow("expression box") << IDC_EXPRESSION << QRect(7, 23, 218, 69);
        QTest::newRow("result box") << IDC_RESULT << QRect(7, 101, 218, 25);
        QTest::newRow("Calc") << IDOK << QRect(11, 287, 39, 14);
        QTest::newRow("Exit") << IDCANCEL << QRect(179, 287, 39, 14);
        QTest::newRow("input file box") << IDC_INPUT_FILE << QRect(77, 232, 115, 14);
        QTest::newRow("Output To") << IDC_OUTPUT_TO << QRect(19, 253, 52, 10);
        QTest::newRow("C") << IDC_KEY_CLEAR << QRect(170, 134, 45, 14);
        QTest::newRow("=") << IDC_KEY_EQUALS << QRect(193, 202, 22, 14);
        QTest::newRow("abs") << IDC_KEY_ABS << QRect(14, 154, 22, 14);
    }
    void sizesComeFromDialogUnits() {
        QFETCH(int, id);
        QFETCH(QRect, dialogUnits);
        QCOMPARE(m_controls.Find(id)->geometry(), Pixels(dialogUnits, BaseUnits(m_dialog->font())));
    }

    void dialogHasTheTemplateSizeAndCaption() {
        const QSize base = BaseUnits(m_dialog->font());
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("ExprQuorvane V1.6.5"));
        QCOMPARE(m_dialog->size(), Pixels(QRect(0, 0, 234, 308), base).size());
        QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());
        const Qt::WindowFlags flags = m_dialog->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    void tabOrderIsTemplateOrder() {
        QList<QWidget*> expected;
        for (const auto& [id, widget] : m_controls.InTemplateOrder()) {
            if (widget->focusPolicy() & Qt::TabFocus) {
                expected << widget;
            }
        }
        QCOMPARE(expected.size(), 47);  // every control but the label and the group box
        QWidget* widget = expected.front();
        for (int i = 1; i < expected.size(); ++i) {
            do {
                widget = widget->nextInFocusChain();
            } while (!(widget->focusPolicy() & Qt::TabFocus));
            QCOMPARE(widget, expected[i]);
        }
    }

    // What a screen reader reads: name and description from the table of
    // accessible names, else the caption without its '&', always in words;
    // the label "Expression:" tied to its box.
    void accessibleNamesComeFromTheTable() {
        const DialogTemplate& dialog = *FindDialogTemplate(IDD_QUORVANE_DIALOG);
        for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
            const AccessibleName* listed = FindAccessibleName(dialog.id, dialog.controls[i].id);
            QAccessibleInterface* accessible =
                QAccessible::queryAccessibleInterface(m_controls.InTemplateOrder()[i].second);
            const QString name = accessible->text(QAccessible::Name);
            QCOMPARE(name + u'|' + accessible->text(QAccessible::Description),
                     listed != nullptr
                         ? QString::fromUtf8(listed->name) + u'|' + listed->description
                         : QString::fromUtf8(dialog.controls[i].text).remove(u'&') + u'|');
            QVERIFY2(name.front().isLetterOrNumber(), qPrintable(name));
        }
        // The names themselves: an entry of the table that names another control fails.
        const std::pair<int, const char*> spoken[] = {
            {IDC_EXPRESSION, "Expression"},
            {IDC_RESULT, "Results"},
            {IDC_INPUT_FILE, "Input file"},
            {IDC_OUTPUT_FILE, "Output file"},
            {IDC_BROWSE_INPUT, "Browse for the input file"},
            {IDC_BROWSE_OUTPUT, "Browse for the output file"},
            {IDC_KEY_OPEN_PAREN, "open parenthesis"},
            {IDC_KEY_CLOSE_PAREN, "close parenthesis"},
            {IDC_KEY_CLEAR, "clear"},
            {IDC_KEY_DIVIDE, "divide"},
            {IDC_KEY_SQRT, "square root"},
            {IDC_KEY_MULTIPLY, "multiply"},
            {IDC_KEY_PERCENT, "modulo"},
            {IDC_KEY_MINUS, "minus"},
            {IDC_KEY_RECIPROCAL, "one over x"},
            {IDC_KEY_SIGN, "minus sign"},
            {IDC_KEY_POINT, "point"},
            {IDC_KEY_PLUS, "plus"},
            {IDC_KEY_EQUALS, "equals"},
        };
        for (const auto& [id, name] : spoken) {
            QCOMPARE(
                QAccessible::queryAccessibleInterface(m_controls.Find(id))->text(QAccessible::Name),
                QString::fromUtf8(name));
        }
        const auto labels = QAccessible::queryAccessibleInterface(m_controls.Find(IDC_EXPRESSION))
                                ->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->text(QAccessible::Name), QStringLiteral("Expression:"));
    }

    void groupBoxLetsClicksThroughToItsButtons() {
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
        for (const int id : {IDC_BROWSE_INPUT, IDC_INPUT_FILE, IDC_INPUT_FROM, IDC_OUTPUT_TO}) {
            QWidget* control = m_controls.Find(id);
            QCOMPARE(m_dialog->childAt(control->geometry().center()), control);
        }
    }

    void enterInAMultiLineBoxPressesTheDefaultButton() {
        m_dialog->show();
        auto* expression = m_controls.Find<QPlainTextEdit>(IDC_EXPRESSION);
        QSignalSpy calc(m_controls.Find<QPushButton>(IDOK), &QPushButton::clicked);
        expression->setFocus();
        QTest::keyClicks(expression, "1+1");
        QTest::keyClick(expression, Qt::Key_Return);
        QTest::keyClick(expression, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(calc.count(), 2);
        QCOMPARE(expression->toPlainText(), QStringLiteral("1+1"));
        QTest::keyClick(expression, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(expression, "2");
        QCOMPARE(calc.count(), 2);
        QCOMPARE(expression->toPlainText(), QStringLiteral("1+1\n2"));
    }

    void aboutBoxTemplate() {
        QDialog about;
        const DialogControls controls = BuildDialog(about, *FindDialogTemplate(IDD_ABOUTBOX));
        QCOMPARE(about.windowTitle(), QStringLiteral("关于 Quorvane"));
        const auto& built = controls.InTemplateOrder();
        QCOMPARE(built.size(), std::size_t{4});
        auto* icon = qobject_cast<QLabel*>(built[0].second);
        QVERIFY(icon != nullptr);
        QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(icon->size(), QSize(32, 32));
        QCOMPARE(icon->pos(), Pixels(QRect(11, 17, 20, 20), BaseUnits(about.font())).topLeft());
        QCOMPARE(qobject_cast<QLabel*>(built[1].second)->text(), QStringLiteral("Quorvane 1.0 版"));
        QVERIFY(!qobject_cast<QLabel*>(built[2].second)->text().isEmpty());
        auto* ok = controls.Find<QPushButton>(IDOK);
        QCOMPARE(ok->text(), QStringLiteral("确定"));
        QVERIFY(ok->isDefault());
    }
};

QTEST_MAIN(DialogBuilderTest)
#include "DialogBuilderTest.moc"
