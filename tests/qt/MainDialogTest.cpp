// The main dialog on real Qt widgets: the calculator's dialog running on the
// Qt window, driven with mouse clicks and key presses, its modal boxes
// answered from the event loop.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <memory>
#include <optional>

#include "ModalAnswer.h"
#include "ProgramArguments.h"
#include "QtAppPlatform.h"
#include "QtDialogWindow.h"
#include "QtDialogWindowSeam.h"
#include "WindowStyles.h"
#include "resource.h"
#include "window/HelpText.h"
#include "window/QuorvaneApp.h"
#include "window/QuorvaneDlg.h"

using quorvane::window::CQuorvaneApp;
using quorvane::window::CQuorvaneDlg;
using quorvane::window::HelpText;
using quorvane::window::qt::ParseProgramArguments;
using quorvane::window::qt::ProgramArguments;
using quorvane::window::qt::QtAppPlatform;
using quorvane::window::qt::QtDialogWindow;
using quorvane::window::qt::QtDialogWindowSeam;

namespace {

const QString kSample =
    QStringLiteral("((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\n\n1+1\n\n5*5+1.6");
const QString kSampleResults = QStringLiteral("168.00   \n2.00   \n26.60   \n");
const QString kPictureDir = QStringLiteral(QUORVANE_PICTURE_DIR);

// What a message box showed.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    Qt::CursorShape cursor = Qt::BlankCursor;  // the pointer over the box
};

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// What leads to a message box.
enum class Trouble {
    EmptyExpression,
    NoInputName,
    MissingInput,
    OutputNotCreatable,
    OutputIsInput
};
// How a box or the dialog is closed.
enum class Closing { Escape, Enter, OkButton, ExitButton, Mnemonic, CloseBox };

// One thing a person does at the dialog: click at the end of a line of the
// expression box, type into the focused control ('\n' is Ctrl+Enter, Chinese
// comes from the input method), press Ctrl+Z there, click a control, or click
// a control that opens a message box and then its OK.
struct Step {
    enum Act { ClickLineEnd, Type, Undo, Click, ClickThenOk } act;
    int value;  // the line, or the control id
    QString text;
};
using Steps = QList<Step>;

Step AtLineEnd(int line) { return {Step::ClickLineEnd, line, {}}; }
Step Typing(const QString& text) { return {Step::Type, 0, text}; }
const Step kUndo{Step::Undo, 0, {}};
Step On(int id) { return {Step::Click, id, {}}; }
Step OnThenOk(int id) { return {Step::ClickThenOk, id, {}}; }

}  // namespace

Q_DECLARE_METATYPE(Trouble)
Q_DECLARE_METATYPE(Closing)
Q_DECLARE_METATYPE(Steps)

class MainDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_files;
    std::unique_ptr<QtDialogWindow> m_window;
    std::unique_ptr<CQuorvaneDlg> m_dialog;
    QStringList m_editorStarts;

    QDialog* Dialog() { return &QtDialogWindowSeam::Dialog(*m_window); }
    QWidget* Control(int id) { return QtDialogWindowSeam::Control(*m_window, id); }
    QPlainTextEdit* Expression() {
        return QtDialogWindowSeam::Control<QPlainTextEdit>(*m_window, IDC_EXPRESSION);
    }
    QPlainTextEdit* Result() {
        return QtDialogWindowSeam::Control<QPlainTextEdit>(*m_window, IDC_RESULT);
    }
    QLineEdit* LineEdit(int id) { return QtDialogWindowSeam::Control<QLineEdit>(*m_window, id); }
    QAbstractButton* Button(int id) {
        return QtDialogWindowSeam::Control<QAbstractButton>(*m_window, id);
    }
    QString FilePath(const QString& name) const { return m_files.filePath(name); }

    void Click(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }

    // Types into the control that has the focus, as a person does: '\n' is
    // Ctrl+Enter; a line beyond ASCII comes from the input method.
    static void TypeIntoFocus(const QString& text) {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (i > 0) {
                QTest::keyClick(focus, Qt::Key_Return, Qt::ControlModifier);
            }
            if (lines[i].toLatin1() == lines[i].toUtf8()) {
                QTest::keyClicks(focus, lines[i]);
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(lines[i]);
                QApplication::sendEvent(focus, &commit);
            }
        }
    }

    // Replaces the expression box's text the way a user does: select all, type.
    void TypeExpression(const QString& text) {
        Expression()->setFocus();
        QTest::keyClick(Expression(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Expression(), Qt::Key_Delete);
        TypeIntoFocus(text);
    }

    void TypeInto(int id, const QString& text) {
        LineEdit(id)->setFocus();
        LineEdit(id)->selectAll();
        QTest::keyClicks(LineEdit(id), text);
    }

    // Runs `action`, which must open one message box, and presses its OK.
    SeenMessage ExpectMessage(const std::function<void()>& action) {
        SeenMessage seen;
        const ModalAnswer answer(ModalAnswer::Awaited::Modal, Dialog(), [&seen](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr) {
                widget->close();
                return;
            }
            const QCursor* override = QApplication::overrideCursor();
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                    override != nullptr ? override->shape() : box->cursor().shape()};
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        action();
        // A box opened by a mnemonic comes a moment after the key.
        (void)QTest::qWaitFor([&answer] { return answer.Answered() || answer.GaveUp(); }, 15000);
        if (!answer.Answered()) {
            seen.text = QStringLiteral("<no message box>");
        }
        return seen;
    }

    void VerifyMessage(const SeenMessage& seen, const QString& text) {
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.title, QStringLiteral("Message"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.cursor, Qt::ArrowCursor);
        QCOMPARE(QApplication::activeModalWidget(), Dialog());
    }

    // Runs `action`, which must open a file dialog, and hands it to `answer`.
    bool WithFileDialog(const std::function<void()>& action,
                        const std::function<void(QFileDialog*)>& answer) {
        const ModalAnswer modal(ModalAnswer::Awaited::Modal, Dialog(), [&answer](QWidget* widget) {
            if (auto* fileDialog = qobject_cast<QFileDialog*>(widget)) {
                answer(fileDialog);
            } else {
                widget->close();
            }
        });
        action();
        return modal.Answered();
    }

    // Enters a name into the file dialog's name box and presses its accept
    // button; a dialog that stays open is closed, so the caller sees no path.
    static void EnterFileName(QFileDialog* fileDialog, const QString& name) {
        auto* nameEdit = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = fileDialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        nameEdit->setText(name);
        QTest::mouseClick(buttons->button(fileDialog->acceptMode() == QFileDialog::AcceptOpen
                                              ? QDialogButtonBox::Open
                                              : QDialogButtonBox::Save),
                          Qt::LeftButton);
        if (fileDialog->isVisible()) {
            fileDialog->reject();
        }
    }

    // The expression box's selection as its text, and where it starts.
    QString Selected() { return Expression()->textCursor().selectedText(); }
    int SelectionStart() { return Expression()->textCursor().selectionStart(); }

    // Double-clicks a little into the first row of a line of the result box.
    void DoubleClickResultLine(int line) {
        const QRect start =
            Result()->cursorRect(QTextCursor(Result()->document()->findBlockByNumber(line)));
        QTest::mouseDClick(Result()->viewport(), Qt::LeftButton, {},
                           QPoint(start.left() + 8, start.center().y()));
    }

  private slots:

    void initTestCase() { QVERIFY(m_files.isValid()); }

    // A new dialog, not yet open, with files as if named on the command line.
    void MakeDialog(std::vector<std::string> startFiles = {}) {
        m_editorStarts.clear();
        m_window = std::make_unique<QtDialogWindow>(
            IDD_QUORVANE_DIALOG, [this](const QString& path) { m_editorStarts << path; });
        m_window->SetStartFiles(std::move(startFiles));
        m_dialog = std::make_unique<CQuorvaneDlg>(*m_window);
    }

    void init() {
        MakeDialog();
        QVERIFY(m_window->Open(*m_dialog));
        QVERIFY(QTest::qWaitForWindowActive(Dialog()));
    }

    void cleanup() {
        // A test that makes its own dialogs may have failed before it made
        // the fixture's again.
        if (m_window != nullptr) {
            Dialog()->hide();
        }
        m_dialog.reset();
        m_window.reset();
    }

    void startUpShowsTheSampleAndItsResults() {
        QCOMPARE(
            Expression()->toPlainText(),
            QStringLiteral("((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\n\n1+1\n\n5*5+1.6"));
        QCOMPARE(Result()->toPlainText(), kSampleResults);
        QCOMPARE(m_window->ControlText(IDC_RESULT),
                 std::string("168.00   \r\n2.00   \r\n26.60   \r\n"));
        for (const int id :
             {IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT}) {
            QVERIFY2(!Control(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QVERIFY(!Button(IDC_INPUT_FROM)->isChecked());
        QVERIFY(!Button(IDC_OUTPUT_TO)->isChecked());
        // As the dialog gives the focus to its first edit box: the whole text
        // selected, the caret at its end.
        QCOMPARE(QApplication::focusWidget(), Expression());
        QCOMPARE(Expression()->textCursor().anchor(), 0);
        QCOMPARE(Expression()->textCursor().position(), Expression()->toPlainText().size());
        // The result box shows its three lines whole.
        QTextCursor lastLine(Result()->document()->findBlockByNumber(2));
        QVERIFY2(Result()->cursorRect(lastLine).bottom() < Result()->viewport()->height(),
                 qPrintable(QStringLiteral("third line ends at %1 of %2 pixels")
                                .arg(Result()->cursorRect(lastLine).bottom() + 1)
                                .arg(Result()->viewport()->height())));
        QCOMPARE(Dialog()->windowTitle(), QStringLiteral("ExprQuorvane V1.6.5"));
        QVERIFY(!Dialog()->windowIcon().isNull());
        QVERIFY(Dialog()->isModal());
    }

    void typingThenEnterEvaluates_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("results");
        QTest::newRow("product") << "2*3"
                                 << "6.00   \n";
        QTest::newRow("function in lower case") << "sqrt(16)"
                                                << "4.00   \n";
        QTest::newRow("two decimals") << "7/2"
                                      << "3.50   \n";
        QTest::newRow("two arguments") << "pow(2,10)"
                                       << "1024.00   \n";
        QTest::newRow("Chinese is no number")
            << "文件"
            << "0.00   '文件' has no value; taken as 0 (column 1)\n";
    }
    void typingThenEnterEvaluates() {
        QFETCH(QString, typed);
        QFETCH(QString, results);
        TypeExpression(typed);
        QTest::keyClick(Expression(), Qt::Key_Return);
        QCOMPARE(Result()->toPlainText(), results);
        QCOMPARE(Expression()->toPlainText(), typed);
    }

    void ctrlEnterTypesALineBreakAndEvaluatesNothing() {
        TypeExpression(QStringLiteral("1+1"));
        QTest::keyClick(Expression(), Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(Expression(), QStringLiteral("2+2"));
        QCOMPARE(Expression()->toPlainText(), QStringLiteral("1+1\n2+2"));
        QCOMPARE(Result()->toPlainText(), kSampleResults);
        QTest::keyClick(Expression(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Result()->toPlainText(), QStringLiteral("2.00   \n4.00   \n"));
        QCOMPARE(m_window->ControlText(IDC_EXPRESSION), std::string("1+1\r\n2+2"));
    }

    void keypadEditsAtTheCaret_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedCaret");
        const QString lines = QStringLiteral("1+1\n22");
        QTest::newRow("sqrt at the start")
            << lines << 0 << 0 << IDC_KEY_SQRT << "sqrt()1+1\n22" << 5;
        QTest::newRow("digit in the second line")
            << lines << 5 << 5 << IDC_KEY_7 << "1+1\n272" << 6;
        QTest::newRow("pow in the second line")
            << lines << 5 << 5 << IDC_KEY_POW << "1+1\n2pow(,)2" << 9;
        QTest::newRow("atan2 at the end")
            << lines << 6 << 6 << IDC_KEY_ATAN2 << "1+1\n22atan2()" << 12;
        QTest::newRow("1/x leaves the caret after 1")
            << "" << 0 << 0 << IDC_KEY_RECIPROCAL << "1/x" << 1;
        QTest::newRow("+/- appends a minus") << "5" << 1 << 1 << IDC_KEY_SIGN << "5-" << 2;
        QTest::newRow("selection: at its caret end")
            << lines << 0 << 3 << IDC_KEY_9 << "1+19\n22" << 4;
        QTest::newRow("backward selection") << lines << 3 << 0 << IDC_KEY_9 << "91+1\n22" << 1;
        QTest::newRow("selection over a line break")
            << lines << 2 << 6 << IDC_KEY_PLUS << "1+1\n22+" << 7;
        QTest::newRow("Backspace in a line")
            << lines << 6 << 6 << IDC_KEY_BACKSPACE << "1+1\n2" << 5;
        QTest::newRow("Backspace at the start")
            << lines << 0 << 0 << IDC_KEY_BACKSPACE << lines << 0;
        QTest::newRow("Backspace after a line break takes its LF")
            << lines << 4 << 4 << IDC_KEY_BACKSPACE << "1+1\u240D22" << 4;
        QTest::newRow("= keeps text and caret") << lines << 5 << 5 << IDC_KEY_EQUALS << lines << 5;
        QTest::newRow("C empties") << lines << 5 << 5 << IDC_KEY_CLEAR << "" << 0;
    }
    void keypadEditsAtTheCaret() {
        QFETCH(QString, text);
        QFETCH(int, anchor);
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(QString, expected);
        QFETCH(int, expectedCaret);
        Expression()->setPlainText(text);
        Expression()->setFocus();
        QTextCursor cursor = Expression()->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(caret, QTextCursor::KeepAnchor);
        Expression()->setTextCursor(cursor);

        Click(key);

        QCOMPARE(Expression()->toPlainText(), expected);
        QCOMPARE(Expression()->textCursor().position(), expectedCaret);
        QVERIFY(!Expression()->textCursor().hasSelection());
        QCOMPARE(QApplication::focusWidget(), Expression());
    }

    void backspaceTwiceJoinsTheLines() {
        Expression()->setPlainText(QStringLiteral("1+1\n22"));
        QTextCursor cursor = Expression()->textCursor();
        cursor.setPosition(4);
        Expression()->setTextCursor(cursor);
        Click(IDC_KEY_BACKSPACE);
        QCOMPARE(m_window->ControlText(IDC_EXPRESSION), std::string("1+1\r22"));
        Click(IDC_KEY_BACKSPACE);
        QCOMPARE(Expression()->toPlainText(), QStringLiteral("1+122"));
        QCOMPARE(Expression()->textCursor().position(), 3);
    }

    void keypadClearAndEquals() {
        Click(IDC_KEY_CLEAR);
        QCOMPARE(Result()->toPlainText(), QString());
        for (const int key : {IDC_KEY_SQRT, IDC_KEY_9, IDC_KEY_EQUALS}) {
            Click(key);
        }
        QCOMPARE(Expression()->toPlainText(), QStringLiteral("sqrt(9)"));
        QCOMPARE(Result()->toPlainText(), QStringLiteral("3.00   \n"));
    }

    void inputFromEnablesExactlyItsBoxAndButton() {
        auto enabledIds = [this] {
            QList<int> ids;
            for (const int id :
                 {IDC_INPUT_FILE, IDC_BROWSE_INPUT, IDC_OUTPUT_FILE, IDC_BROWSE_OUTPUT}) {
                if (Control(id)->isEnabled()) {
                    ids << id;
                }
            }
            return ids;
        };
        const QList<QWidget*> all = Dialog()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        Click(IDC_INPUT_FROM);
        QVERIFY(Button(IDC_INPUT_FROM)->isChecked());
        QCOMPARE(enabledIds(), (QList<int>{IDC_INPUT_FILE, IDC_BROWSE_INPUT}));
        for (QWidget* widget : all) {
            if (widget != Control(IDC_OUTPUT_FILE) && widget != Control(IDC_BROWSE_OUTPUT)) {
                QVERIFY2(widget->isEnabled(), widget->metaObject()->className());
            }
        }
        TypeInto(IDC_INPUT_FILE, QStringLiteral("kept.txt"));
        Click(IDC_INPUT_FROM);
        QCOMPARE(enabledIds(), QList<int>{});
        Click(IDC_INPUT_FROM);
        QCOMPARE(LineEdit(IDC_INPUT_FILE)->text(), QStringLiteral("kept.txt"));
        Click(IDC_OUTPUT_TO);
        QCOMPARE(enabledIds(), (QList<int>{IDC_INPUT_FILE, IDC_BROWSE_INPUT, IDC_OUTPUT_FILE,
                                           IDC_BROWSE_OUTPUT}));
    }

    void inputFileThroughTheFileDialog_data() {
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("pickedName");
        QTest::newRow("full name") << "input.txt"
                                   << "input.txt";
        QTest::newRow("name without extension gets .txt") << "plain"
                                                          << "plain.txt";
    }
    void inputFileThroughTheFileDialog() {
        QFETCH(QString, typedName);
        QFETCH(QString, pickedName);
        const QString picked = FilePath(pickedName);
        WriteFile(picked, "2+3\n\n4*4\n");
        Click(IDC_INPUT_FROM);

        QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
        QStringList filters;
        QString suffix;
        QString folder;
        bool native = true;
        QVERIFY(WithFileDialog([this] { Click(IDC_BROWSE_INPUT); },
                               [&](QFileDialog* fileDialog) {
                                   mode = fileDialog->acceptMode();
                                   filters = fileDialog->nameFilters();
                                   suffix = fileDialog->defaultSuffix();
                                   folder = fileDialog->directory().absolutePath();
                                   native =
                                       !fileDialog->testOption(QFileDialog::DontUseNativeDialog);
                                   EnterFileName(fileDialog, FilePath(typedName));
                               }));
        QCOMPARE(mode, QFileDialog::AcceptOpen);
        QCOMPARE(filters, QStringList{QStringLiteral("txt文件 (*.txt)")});
        QCOMPARE(suffix, QStringLiteral("txt"));
        QCOMPARE(folder, QCoreApplication::applicationDirPath());
        QVERIFY(!native);

        QCOMPARE(LineEdit(IDC_INPUT_FILE)->text(), picked);
        QCOMPARE(Expression()->toPlainText(), QStringLiteral("2+3\n\n4*4\n"));
        QCOMPARE(Result()->toPlainText(), QStringLiteral("5.00   \n16.00   \n"));
    }

    void cancellingAFileDialogChangesNothing_data() {
        QTest::addColumn<int>("browseButton");
        QTest::newRow("input") << IDC_BROWSE_INPUT;
        QTest::newRow("output") << IDC_BROWSE_OUTPUT;
    }
    void cancellingAFileDialogChangesNothing() {
        QFETCH(int, browseButton);
        Click(IDC_INPUT_FROM);
        Click(IDC_OUTPUT_TO);
        QVERIFY(WithFileDialog(
            [&] { Click(browseButton); },
            [](QFileDialog* fileDialog) { QTest::keyClick(fileDialog, Qt::Key_Escape); }));
        QCOMPARE(LineEdit(IDC_INPUT_FILE)->text(), QString());
        QCOMPARE(LineEdit(IDC_OUTPUT_FILE)->text(), QString());
        QCOMPARE(Result()->toPlainText(), kSampleResults);
        QVERIFY(m_editorStarts.isEmpty());
    }

    void outputFileThroughTheSaveDialog() {
        const QString existing = FilePath(QStringLiteral("existing.txt"));
        WriteFile(existing, "keep");
        Click(IDC_OUTPUT_TO);

        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        QString initialName;
        QString suffix;
        bool asksBeforeReplacing = false;
        QString question;
        std::optional<ModalAnswer> replaceAnswer;
        QVERIFY(WithFileDialog(
            [this] { Click(IDC_BROWSE_OUTPUT); },
            [&](QFileDialog* fileDialog) {
                mode = fileDialog->acceptMode();
                initialName = fileDialog->findChild<QLineEdit*>("fileNameEdit")->text();
                suffix = fileDialog->defaultSuffix();
                asksBeforeReplacing = !fileDialog->testOption(QFileDialog::DontConfirmOverwrite);
                replaceAnswer.emplace(ModalAnswer::Awaited::Modal, fileDialog, [&](QWidget* box) {
                    auto* messageBox = qobject_cast<QMessageBox*>(box);
                    question = messageBox != nullptr ? messageBox->text() : QString();
                    if (messageBox != nullptr) {
                        QTest::mouseClick(messageBox->button(QMessageBox::Yes), Qt::LeftButton);
                    } else {
                        box->close();
                    }
                });
                EnterFileName(fileDialog, existing);
            }));
        QCOMPARE(mode, QFileDialog::AcceptSave);
        QCOMPARE(initialName, QStringLiteral("*.txt"));
        QCOMPARE(suffix, QString());
        QVERIFY(asksBeforeReplacing);
        QVERIFY(replaceAnswer->Answered());
        QVERIFY2(question.contains(QStringLiteral("existing.txt")), qPrintable(question));
        QCOMPARE(LineEdit(IDC_OUTPUT_FILE)->text(), existing);
        // Picking only fills the box: nothing is evaluated or written.
        QCOMPARE(Result()->toPlainText(), kSampleResults);
        QCOMPARE(FileBytes(existing), QByteArray("keep"));
        QVERIFY(m_editorStarts.isEmpty());
    }

    void aWildcardNameIsAPatternNotAFile_data() {
        QTest::addColumn<int>("browseButton");
        QTest::addColumn<QString>("name");
        QTest::newRow("save dialog as it opens") << IDC_BROWSE_OUTPUT << "";
        QTest::newRow("open dialog") << IDC_BROWSE_INPUT << "*.txt";
        QTest::newRow("question mark") << IDC_BROWSE_OUTPUT << "out?.txt";
    }
    void aWildcardNameIsAPatternNotAFile() {
        QFETCH(int, browseButton);
        QFETCH(QString, name);
        Click(IDC_INPUT_FROM);
        Click(IDC_OUTPUT_TO);
        bool stayedOpen = false;
        QVERIFY(WithFileDialog(
            [&] { Click(browseButton); },
            [&](QFileDialog* fileDialog) {
                if (!name.isEmpty()) {
                    fileDialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
                }
                QTest::keyClick(fileDialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
                stayedOpen = fileDialog->isVisible();
                fileDialog->reject();
            }));
        QVERIFY(stayedOpen);
        QCOMPARE(LineEdit(IDC_INPUT_FILE)->text(), QString());
        QCOMPARE(LineEdit(IDC_OUTPUT_FILE)->text(), QString());
    }

    // Prints how long "&Calc" takes on a large input file; the boxes of the
    // real widgets are filled once per run.
    void calcOnAHundredThousandLinesPrintsItsTime() {
        const QString input = FilePath(QStringLiteral("large.txt"));
        QByteArray lines;
        for (int i = 0; i < 50000; ++i) {
            lines += "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\nsin(" +
                     QByteArray::number(i % 999 + 1) + ")*cos(7)+atan2(5,9)\r\n";
        }
        WriteFile(input, lines);
        Click(IDC_INPUT_FROM);
        TypeInto(IDC_INPUT_FILE, input);
        QElapsedTimer timer;
        timer.start();
        Click(IDOK);
        const qint64 elapsed = timer.elapsed();
        qInfo("\"&Calc\" on 100000 lines of the input file: %lld ms",
              static_cast<long long>(elapsed));
        QCOMPARE(Result()->blockCount(), 100001);
        QVERIFY(Result()->toPlainText().startsWith(QStringLiteral("168.00   \n")));
        QCOMPARE(Expression()->blockCount(), 100001);
    }

    // Clicks just right of the end of a line of the expression box.
    void ClickLineEndOf(int line) {
        QTextCursor end(Expression()->document()->findBlockByNumber(line));
        end.movePosition(QTextCursor::EndOfBlock);
        const QRect caret = Expression()->cursorRect(end);
        QTest::mouseClick(Expression()->viewport(), Qt::LeftButton, {},
                          QPoint(caret.right() + 12, caret.center().y()));
    }

    void Do(const Step& step) {
        switch (step.act) {
            case Step::ClickLineEnd:
                ClickLineEndOf(step.value);
                break;
            case Step::Type:
                TypeIntoFocus(step.text);
                break;
            case Step::Undo:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
                break;
            case Step::Click:
                Click(step.value);
                break;
            case Step::ClickThenOk:
                QCOMPARE(ExpectMessage([&] { Click(step.value); }).title,
                         QStringLiteral("Message"));
                // The dialog takes the keys again once it is the active window.
                QVERIFY(QTest::qWaitForWindowActive(Dialog()));
                break;
        }
    }

    // Journeys of a person at the dialog, from its start, all by clicks and
    // keys; at the end "&Output To" is ticked (if a step has not), the output
    // file's name typed into its box and "&Calc" clicked.
    void journeysOfClicksAndKeys_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QByteArray>("output");
        const QString sample17x2 =
            QStringLiteral("((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\n\n1+17*2\n\n5*5+1.6");
        const QByteArray sample17x2Output =
            "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0 = 168.00\r\r\n\r\r\n"
            "1+17*2 = 35.00\r\r\n\r\r\n5*5+1.6 = 26.60\r\r\n\r\r\n\r\n";
        const QString sample =
            QStringLiteral("((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\n\n1+1\n\n5*5+1.6");
        const QByteArray sampleOutput =
            "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0 = 168.00\r\r\n\r\r\n"
            "1+1 = 2.00\r\r\n\r\r\n5*5+1.6 = 26.60\r\r\n\r\r\n\r\n";
        QTest::newRow("Ctrl+Z takes back the keypad's digit, Backspace and C one at a time")
            << Steps{On(IDC_KEY_7), kUndo, On(IDC_KEY_BACKSPACE), kUndo, On(IDC_KEY_CLEAR), kUndo}
            << sample << sampleOutput;
        QTest::newRow("Ctrl+Z at start-up leaves the sample")
            << Steps{kUndo} << sample << sampleOutput;
        QTest::newRow("C, keypad 7, Ctrl+Z leaves the box empty for the 8")
            << Steps{On(IDC_KEY_CLEAR), On(IDC_KEY_7), kUndo, On(IDC_KEY_8)} << QStringLiteral("8")
            << QByteArray("8 = 8.00\r\r\n\r\r\n\r\n");
        QTest::newRow("typed at a line's end, Calc, keypad * 2")
            << Steps{AtLineEnd(2), Typing("7"), On(IDOK), On(IDC_KEY_MULTIPLY), On(IDC_KEY_2)}
            << sample17x2 << sample17x2Output;
        QTest::newRow("typed at a line's end, Output To, keypad * 2")
            << Steps{AtLineEnd(2), Typing("7"), On(IDC_OUTPUT_TO), On(IDC_KEY_MULTIPLY),
                     On(IDC_KEY_2)}
            << sample17x2 << sample17x2Output;
        QTest::newRow("typed at a line's end, a message closed, keypad * 2")
            << Steps{AtLineEnd(2),       Typing("7"),          On(IDC_INPUT_FROM), OnThenOk(IDOK),
                     On(IDC_INPUT_FROM), On(IDC_KEY_MULTIPLY), On(IDC_KEY_2)}
            << sample17x2 << sample17x2Output;
        QTest::newRow("keypad and Backspace below a Chinese comment, Backspace after it")
            << Steps{Typing("1+2 // 中文\n34"),
                     AtLineEnd(1),
                     On(IDC_KEY_MULTIPLY),
                     On(IDC_KEY_5),
                     On(IDC_KEY_BACKSPACE),
                     On(IDC_KEY_6),
                     AtLineEnd(0),
                     On(IDC_KEY_BACKSPACE)}
            << QStringLiteral("1+2 // 中\n34*6")
            << QByteArray("1+2 // 中 = 3.00\r\r\n\r\r\n34*6 = 204.00\r\r\n\r\r\n\r\n");
        QTest::newRow("typing at start-up replaces the selected sample")
            << Steps{Typing("6*7")} << QStringLiteral("6*7")
            << QByteArray("6*7 = 42.00\r\r\n\r\r\n\r\n");
        QTest::newRow("keypad at start-up writes after the sample")
            << Steps{On(IDC_KEY_7)}
            << QStringLiteral("((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\n\n1+1\n\n5*5+1.67")
            << QByteArray(
                   "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0 = 168.00\r\r\n\r\r\n"
                   "1+1 = 2.00\r\r\n\r\r\n5*5+1.67 = 26.67\r\r\n\r\r\n\r\n");
    }
    void journeysOfClicksAndKeys() {
        QFETCH(Steps, steps);
        QFETCH(QString, expression);
        QFETCH(QByteArray, output);
        for (const Step& step : steps) {
            Do(step);
        }
        QCOMPARE(Expression()->toPlainText(), expression);

        const QString path = FilePath(QStringLiteral("journey.txt"));
        QFile::remove(path);
        if (!Button(IDC_OUTPUT_TO)->isChecked()) {
            Click(IDC_OUTPUT_TO);
        }
        QTest::mouseClick(LineEdit(IDC_OUTPUT_FILE), Qt::LeftButton);
        TypeIntoFocus(path);
        Click(IDOK);
        QCOMPARE(Expression()->toPlainText(), expression);
        QCOMPARE(FileBytes(path), output);
        QCOMPARE(m_editorStarts, QStringList{path});
    }

    // A person's way through the notes: faulty lines typed, "&Calc", a
    // double-click on a note, F8 and Shift+F8 round three noted lines, then
    // an edit that removes a noted line, after which the keys do no harm.
    void notesLeadToTheTokensAtFault() {
        TypeExpression(QStringLiteral("1+1\nsqr(4)\n2 3\n1/0"));
        Click(IDOK);
        QCOMPARE(Result()->toPlainText(),
                 QStringLiteral("2.00   \n"
                                "4.00   'SQR' has no value; taken as 0 (column 1), and 1 more\n"
                                "3.00   missing operator before '3' (column 3)\n"
                                "Error   division by zero (column 2)\n"));

        DoubleClickResultLine(1);
        QCOMPARE(QApplication::focusWidget(), Expression());
        QCOMPARE(Selected(), QStringLiteral("sqr"));
        QCOMPARE(SelectionStart(), 4);

        const QString forward[] = {QStringLiteral("3"), QStringLiteral("/"), QStringLiteral("sqr")};
        for (const QString& token : forward) {
            QTest::keyClick(Expression(), Qt::Key_F8);
            QCOMPARE(Selected(), token);
        }
        QTest::keyClick(Expression(), Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(Selected(), QStringLiteral("/"));
        QCOMPARE(SelectionStart(), 16);
        QCOMPARE(Result()->textCursor().blockNumber(), 3);
        QTest::keyClick(Expression(), Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(Selected(), QStringLiteral("3"));
        QCOMPARE(Result()->textCursor().blockNumber(), 2);

        // The line "sqr(4)" removed: the lines after it are no longer where
        // they were evaluated.
        ClickLineEndOf(1);
        QTest::keyClick(Expression(), Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(Expression(), Qt::Key_Delete);
        QTest::keyClick(Expression(), Qt::Key_Delete);
        QCOMPARE(Expression()->toPlainText(), QStringLiteral("1+1\n2 3\n1/0"));
        const int caret = Expression()->textCursor().position();
        QTest::keyClick(Expression(), Qt::Key_F8);
        QTest::keyClick(Expression(), Qt::Key_F8, Qt::ShiftModifier);
        DoubleClickResultLine(1);
        QCOMPARE(Expression()->toPlainText(), QStringLiteral("1+1\n2 3\n1/0"));
        QCOMPARE(Expression()->textCursor().position(), caret);
        QVERIFY(!Expression()->textCursor().hasSelection());
        QCOMPARE(QApplication::focusWidget(), Result());
    }

    void outputToWritesTheExactBytes() {
        const QString output = FilePath(QStringLiteral("output.txt"));
        Click(IDC_OUTPUT_TO);
        TypeInto(IDC_OUTPUT_FILE, output);
        TypeExpression(QStringLiteral("1+1"));
        QTest::keyClick(Expression(), Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(Expression(), Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(Expression(), QStringLiteral("sqrt(16)"));
        Click(IDOK);
        QCOMPARE(Result()->toPlainText(), QStringLiteral("2.00   \n4.00   \n"));
        QCOMPARE(FileBytes(output),
                 QByteArray("1+1 = 2.00\r\r\n\r\r\nSQRT(16) = 4.00\r\r\n\r\r\n\r\n"));
        QCOMPARE(m_editorStarts, QStringList{output});
    }

    void everyMessageThenOk_data() {
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("results");
        const QString missing = FilePath(QStringLiteral("missing.txt"));
        const QString noFolder = FilePath(QStringLiteral("no-folder/out.txt"));
        const QString same = FilePath(QStringLiteral("same.txt"));
        QTest::newRow("empty expression")
            << Trouble::EmptyExpression << "Please input an expression!" << IDC_EXPRESSION << "";
        QTest::newRow("no input file name") << Trouble::NoInputName << "Please Input File Name!"
                                            << IDC_INPUT_FILE << kSampleResults;
        QTest::newRow("missing input file")
            << Trouble::MissingInput
            << QStringLiteral("Sorry, Specified File '%1' is Not Exist!").arg(missing) << 0
            << kSampleResults;
        QTest::newRow("output cannot be created")
            << Trouble::OutputNotCreatable << QStringLiteral("Open File '%1' Failed!").arg(noFolder)
            << IDC_OUTPUT_FILE << "2.00   \n";
        QTest::newRow("output is the input")
            << Trouble::OutputIsInput
            << QStringLiteral("Output File '%1' is the Input File!").arg(same) << IDC_OUTPUT_FILE
            << "6.00   \n";
    }
    void everyMessageThenOk() {
        QFETCH(Trouble, trouble);
        QFETCH(QString, message);
        QFETCH(int, focus);
        QFETCH(QString, results);
        switch (trouble) {
            case Trouble::EmptyExpression:
                Click(IDC_KEY_CLEAR);
                break;
            case Trouble::NoInputName:
                Click(IDC_INPUT_FROM);
                break;
            case Trouble::MissingInput:
                Click(IDC_INPUT_FROM);
                TypeInto(IDC_INPUT_FILE, FilePath(QStringLiteral("missing.txt")));
                break;
            case Trouble::OutputNotCreatable:
                TypeExpression(QStringLiteral("1+1"));
                Click(IDC_OUTPUT_TO);
                TypeInto(IDC_OUTPUT_FILE, FilePath(QStringLiteral("no-folder/out.txt")));
                break;
            case Trouble::OutputIsInput:
                WriteFile(FilePath(QStringLiteral("same.txt")), "2*3");
                Click(IDC_INPUT_FROM);
                TypeInto(IDC_INPUT_FILE, FilePath(QStringLiteral("same.txt")));
                Click(IDC_OUTPUT_TO);
                TypeInto(IDC_OUTPUT_FILE, FilePath(QStringLiteral("same.txt")));
                break;
        }
        VerifyMessage(ExpectMessage([this] { Click(IDOK); }), message);
        QCOMPARE(QApplication::overrideCursor(), nullptr);  // the wait cursor gone with "&Calc"
        QCOMPARE(Result()->toPlainText(), results);
        if (focus != 0) {
            QTRY_COMPARE(QApplication::focusWidget(), Control(focus));
        }
        QVERIFY(m_editorStarts.isEmpty());
        QVERIFY(!QFile::exists(FilePath(QStringLiteral("missing.txt"))));
        if (trouble == Trouble::OutputIsInput) {
            QCOMPARE(FileBytes(FilePath(QStringLiteral("same.txt"))), QByteArray("2*3"));
        }
    }

    void helpShowsTheOperatorsAndChangesNothing() {
        const SeenMessage seen = ExpectMessage([this] { Click(IDC_HELP_BUTTON); });
        VerifyMessage(
            seen, QString::fromUtf8(HelpText().data(), static_cast<qsizetype>(HelpText().size())));
        QCOMPARE(Result()->toPlainText(), kSampleResults);
    }

    void mnemonicsReachTheirHandlers() {
        TypeExpression(QStringLiteral("8/4"));
        // A mnemonic presses its button visibly, which takes a moment.
        QTest::keyClick(Dialog(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(Result()->toPlainText(), QStringLiteral("2.00   \n"));
        QTest::keyClick(Dialog(), Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(Button(IDC_INPUT_FROM)->isChecked());
        QTRY_VERIFY(LineEdit(IDC_INPUT_FILE)->isEnabled());
        const SeenMessage help =
            ExpectMessage([this] { QTest::keyClick(Dialog(), Qt::Key_H, Qt::AltModifier); });
        QVERIFY(help.text.startsWith(QStringLiteral("Following operator supported")));
    }

    // The keyboard alone, real key events to the focused widget: Alt+O ticks
    // "&Output To", Tab goes on round the enabled controls in template order
    // to the output file's box, Alt+C calculates into the file.
    void keyboardAloneJourney() {
        TypeIntoFocus(QStringLiteral("6*7"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(Button(IDC_OUTPUT_TO)->isChecked());
        QList<QWidget*> order;
        for (const ControlTemplate& control : FindDialogTemplate(IDD_QUORVANE_DIALOG)->controls) {
            if ((control.style & WS_TABSTOP) && Control(control.id)->isEnabled()) {
                order << Control(control.id);
            }
        }
        qsizetype at = order.indexOf(Button(IDC_OUTPUT_TO));
        while (order[at] != LineEdit(IDC_OUTPUT_FILE)) {
            at = (at + 1) % order.size();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[at]);
        }
        const QString path = FilePath(QStringLiteral("keyboard.txt"));
        TypeIntoFocus(path);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(m_editorStarts, QStringList{path});
        QCOMPARE(FileBytes(path), QByteArray("6*7 = 42.00\r\r\n\r\r\n\r\n"));
    }

    void aboutBoxThroughTheContextMenu_data() {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("Escape") << Closing::Escape;
        QTest::newRow("Enter") << Closing::Enter;
        QTest::newRow("确定") << Closing::OkButton;
        QTest::newRow("close box") << Closing::CloseBox;
    }
    void aboutBoxThroughTheContextMenu() {
        QFETCH(Closing, closing);
        QStringList menuItems;
        QString title;
        QStringList texts;
        bool picture = false;
        const ModalAnswer about(ModalAnswer::Awaited::Modal, Dialog(), [&](QWidget* box) {
            title = box->windowTitle();
            for (QLabel* label : box->findChildren<QLabel*>()) {
                texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("<icon>"));
            }
            auto* ok = box->findChild<QPushButton*>();
            texts << ok->text() << (ok->isDefault() ? QStringLiteral("<default>") : QString());
            picture = box->grab().save(kPictureDir + QStringLiteral("/quorvane-about.png"));
            switch (closing) {
                case Closing::Escape:
                    QTest::keyClick(box, Qt::Key_Escape);
                    break;
                case Closing::Enter:
                    QTest::keyClick(box, Qt::Key_Return);
                    break;
                case Closing::OkButton:
                    QTest::mouseClick(ok, Qt::LeftButton);
                    break;
                default:
                    box->close();
            }
        });
        const ModalAnswer menu(ModalAnswer::Awaited::Popup, nullptr, [&](QWidget* popup) {
            for (QAction* action : popup->actions()) {
                if (!action->isSeparator()) {
                    menuItems << action->text();
                }
            }
            QTest::keyClick(popup, Qt::Key_A);
        });
        QLabel* label = Dialog()->findChild<QLabel*>();
        QCOMPARE(label->text(), QStringLiteral("Expression:"));
        // Through the window, as the window system delivers it, so that the
        // right button makes a context-menu request.
        QTest::mouseClick(Dialog()->windowHandle(), Qt::RightButton, Qt::NoModifier,
                          label->geometry().center());
        QTRY_VERIFY_WITH_TIMEOUT(about.Answered() || about.GaveUp(), 15000);

        QCOMPARE(menuItems, QStringList{QStringLiteral("关于 Quorvane(&A)...")});
        QCOMPARE(title, QStringLiteral("关于 Quorvane"));
        QVERIFY(texts.contains(QStringLiteral("<icon>")));
        QVERIFY(texts.contains(QStringLiteral("Quorvane 1.0 版")));
        QVERIFY(texts.contains(QStringLiteral("确定")));
        QVERIFY(texts.contains(QStringLiteral("<default>")));
        QVERIFY(picture);
        QTRY_COMPARE(QApplication::activeModalWidget(), Dialog());
        QVERIFY(Dialog()->isVisible());
        QCOMPARE(Result()->toPlainText(), kSampleResults);
    }

    void cancelEndsTheDialog_data() {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("Escape in the expression box") << Closing::Escape;
        QTest::newRow("Exit button") << Closing::ExitButton;
        QTest::newRow("Alt+E") << Closing::Mnemonic;
        QTest::newRow("close box") << Closing::CloseBox;
    }
    void cancelEndsTheDialog() {
        QFETCH(Closing, closing);
        switch (closing) {
            case Closing::Escape:
                QTest::keyClick(Expression(), Qt::Key_Escape);
                break;
            case Closing::ExitButton:
                Click(IDCANCEL);
                break;
            case Closing::Mnemonic:
                QTest::keyClick(Dialog(), Qt::Key_E, Qt::AltModifier);
                break;
            default:
                Dialog()->close();
        }
        QTRY_VERIFY(!Dialog()->isVisible());
        QCOMPARE(Dialog()->result(), IDCANCEL);
    }

    void doModalReturnsWhenEscaped() {
        cleanup();
        QtDialogWindow window(IDD_QUORVANE_DIALOG, [](const QString&) {});
        CQuorvaneDlg dialog(window);
        const ModalAnswer escape(ModalAnswer::Awaited::Modal, nullptr,
                                 [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(dialog.DoModal(), IDCANCEL);
        QVERIFY(escape.Answered());
        init();
    }

    void applicationRunsUntilTheDialogCloses() {
        cleanup();
        QtAppPlatform platform;
        QString title;
        const ModalAnswer close(ModalAnswer::Awaited::Modal, nullptr, [&title](QWidget* modal) {
            title = modal->windowTitle();
            modal->close();
        });
        CQuorvaneApp app(platform);
        QVERIFY(!app.InitInstance());
        QCOMPARE(title, QStringLiteral("ExprQuorvane V1.6.5"));
        init();
    }

    // quorvane "my sums 算式.txt" other.txt, in the folder of the files: the
    // window opens with the first taken as a picked input file.
    void aFileNamedOnTheCommandLineIsTakenAtTheStart() {
        cleanup();
        const QString sums = FilePath(QStringLiteral("my sums 算式.txt"));
        WriteFile(sums, "2+3\n\n4*4\n");
        WriteFile(FilePath(QStringLiteral("other.txt")), "1+1\n");
        const QString folder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_files.path()));
        std::string error;
        const std::optional<ProgramArguments> arguments =
            ParseProgramArguments({"my sums 算式.txt", "other.txt"}, error);
        QVERIFY(QDir::setCurrent(folder));
        QVERIFY(arguments.has_value());

        QtAppPlatform platform(arguments->files);
        QStringList seen;
        const ModalAnswer look(ModalAnswer::Awaited::Modal, nullptr, [&seen](QWidget* dialog) {
            for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
                seen << box->text() + (box->isChecked() ? " ticked" : " clear");
            }
            for (QWidget* widget : dialog->findChildren<QWidget*>()) {
                const QString name = widget->accessibleName();
                if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                    seen << name + (line->isEnabled() ? ": " : " (disabled): ") + line->text();
                } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
                    seen << name + ": " + edit->toPlainText();
                }
            }
            dialog->close();
        });
        CQuorvaneApp app(platform);
        app.InitInstance();
        QCOMPARE(seen, (QStringList{"&Input From ticked", "&Output To clear",
                                    "Expression: 2+3\n\n4*4\n", "Results: 5.00   \n16.00   \n",
                                    "Input file: " + sums, "Output file (disabled): "}));
        init();
    }

    // A start file that does not exist: its message over the open dialog,
    // which then evaluates a typed line once "&Input From" is cleared.
    void aMissingStartFileIsReportedAndTheDialogGoesOn() {
        cleanup();
        const QString missing = FilePath(QStringLiteral("missing.txt"));
        MakeDialog({missing.toStdString()});
        bool opened = false;
        VerifyMessage(ExpectMessage([&] { opened = m_window->Open(*m_dialog); }),
                      QStringLiteral("Sorry, Specified File '%1' is Not Exist!").arg(missing));
        QVERIFY(opened);
        QVERIFY(QTest::qWaitForWindowActive(Dialog()));
        QVERIFY(Button(IDC_INPUT_FROM)->isChecked());
        QCOMPARE(LineEdit(IDC_INPUT_FILE)->text(), missing);
        QCOMPARE(Result()->toPlainText(), kSampleResults);
        Click(IDC_INPUT_FROM);
        TypeExpression(QStringLiteral("6*7"));
        QTest::keyClick(Expression(), Qt::Key_Return);
        QCOMPARE(Result()->toPlainText(), QStringLiteral("42.00   \n"));
        QVERIFY(!QFile::exists(missing));
    }

    // Drags dropped on the window, as the window system delivers them: an
    // enter, then the drop, both offering a copy or a move.
    void dropOnTheWindow_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("taken");  // the input file taken; empty: refused
        const QString sums = FilePath(QStringLiteral("sums.txt"));
        const QUrl file = QUrl::fromLocalFile(sums);
        const QUrl other = QUrl::fromLocalFile(FilePath(QStringLiteral("other.txt")));
        const QUrl remote(QStringLiteral("https://example.org/sums.txt"));
        QTest::newRow("a remote URL and two files: the first file")
            << QList<QUrl>{remote, file, other} << "" << sums;
        QTest::newRow("text: refused") << QList<QUrl>{} << "6*7"
                                       << "";
    }
    void dropOnTheWindow() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(QString, taken);
        WriteFile(FilePath(QStringLiteral("sums.txt")), "2+3\n\n4*4\n");
        WriteFile(FilePath(QStringLiteral("other.txt")), "1+1\n");
        QMimeData data;
        data.setUrls(urls);
        if (!text.isEmpty()) {
            data.setText(text);
        }
        QWidget* target = Dialog();
        const QPoint at = target->rect().center();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);

        const bool accepted = !taken.isEmpty();
        QCOMPARE(enter.isAccepted(), accepted);
        QCOMPARE(drop.isAccepted(), accepted);
        QCOMPARE(Button(IDC_INPUT_FROM)->isChecked(), accepted);
        QCOMPARE(LineEdit(IDC_INPUT_FILE)->isEnabled(), accepted);
        QCOMPARE(LineEdit(IDC_INPUT_FILE)->text(), taken);
        if (accepted) {
            // Only read: the source keeps its file.
            QCOMPARE(drop.dropAction(), Qt::CopyAction);
            QCOMPARE(Expression()->toPlainText(), QStringLiteral("2+3\n\n4*4\n"));
            QCOMPARE(Result()->toPlainText(), QStringLiteral("5.00   \n16.00   \n"));
        } else {
            QCOMPARE(Expression()->toPlainText(), kSample);
            QCOMPARE(Result()->toPlainText(), kSampleResults);
        }
    }

    void openAndCloseAHundredTimes() {
        cleanup();
        for (int round = 0; round < 100; ++round) {
            QtDialogWindow window(IDD_QUORVANE_DIALOG, [](const QString&) {});
            CQuorvaneDlg dialog(window);
            QVERIFY(window.Open(dialog));
            QCOMPARE(window.ControlText(IDC_RESULT),
                     std::string("168.00   \r\n2.00   \r\n26.60   \r\n"));
            QTest::keyClick(QtDialogWindowSeam::Control(window, IDC_EXPRESSION), Qt::Key_Escape);
            QTRY_VERIFY(!QtDialogWindowSeam::Dialog(window).isVisible());
            QCOMPARE(QtDialogWindowSeam::Dialog(window).result(), IDCANCEL);
        }
        init();
    }

    void renderTheWindowToAPicture() {
        const QPixmap picture = Dialog()->grab();
        QCOMPARE(picture.deviceIndependentSize().toSize(), Dialog()->size());
        QVERIFY(picture.save(kPictureDir + QStringLiteral("/quorvane-window.png")));
    }
};

QTEST_MAIN(MainDialogTest)
#include "MainDialogTest.moc"
