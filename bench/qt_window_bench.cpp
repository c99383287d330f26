// Times the Linux window on a large input file, as a person uses it: the
// file loaded through "&Input From" by "&Calc", then one keypad press with
// all its lines in the expression box, then a second "&Calc" from the box
// with "&Output To", whose file must hold every record of the edited text.
// Prints one line: lines, seconds of "&Calc" (on the clock, and of processor
// time), milliseconds of a keypad press (median of five, the same two ways),
// peak resident memory in KiB, processor seconds of the boxes' own
// setPlainText of the two texts, and whether the box held the file's text
// with the keypad's digits and the output file its records.
//   qt_window_bench INPUT-FILE OUTPUT-FILE
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "QtDialogWindow.h"
#include "QtDialogWindowSeam.h"
#include "batch/BatchCalculation.h"
#include "batch/InputText.h"
#include "batch/OutputFile.h"
#include "resource.h"
#include "window/QuorvaneDlg.h"

using quorvane::window::qt::QtDialogWindow;
using quorvane::window::qt::QtDialogWindowSeam;

namespace {

// Handles what the last input left to do (layout, painting) until the event
// loop is idle.
void Settle(QtDialogWindow& window) {
    QCoreApplication::processEvents();
    QtDialogWindowSeam::Dialog(window).repaint();
    QCoreApplication::processEvents();
}

// The processor time this process has used.
double ProcessorSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

struct Timing {
    double wall;       // seconds
    double processor;  // seconds of processor time
};

// Clicks a control and waits until what the click started is over.
Timing TimedClick(QtDialogWindow& window, int id) {
    QElapsedTimer timer;
    timer.start();
    const double processor = ProcessorSeconds();
    QTest::mouseClick(QtDialogWindowSeam::Control(window, id), Qt::LeftButton);
    Settle(window);
    return {static_cast<double>(timer.nsecsElapsed()) / 1e9, ProcessorSeconds() - processor};
}

// The processor seconds that the dialog's two boxes take to show the texts of
// `shown`, set once each, in a window of the same template that does nothing
// else.
double OwnSetTextCost(QtDialogWindow& shown) {
    QtDialogWindow fresh(IDD_QUORVANE_DIALOG, [](const QString&) {});
    QtDialogWindowSeam::Dialog(fresh).show();
    Settle(fresh);
    const double processor = ProcessorSeconds();
    for (const int id : {IDC_EXPRESSION, IDC_RESULT}) {
        QtDialogWindowSeam::Control<QPlainTextEdit>(fresh, id)->setPlainText(
            QtDialogWindowSeam::Control<QPlainTextEdit>(shown, id)->toPlainText());
    }
    Settle(fresh);
    return ProcessorSeconds() - processor;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: qt_window_bench INPUT-FILE OUTPUT-FILE\n", stderr);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    QtDialogWindow window(IDD_QUORVANE_DIALOG, [](const QString&) {});
    quorvane::window::CQuorvaneDlg dialog(window);
    if (!window.Open(dialog)) return 1;
    auto click = [&window](int id) {
        QTest::mouseClick(QtDialogWindowSeam::Control(window, id), Qt::LeftButton);
    };
    Settle(window);

    click(IDC_INPUT_FROM);
    QtDialogWindowSeam::Control<QLineEdit>(window, IDC_INPUT_FILE)->setText(input);
    const Timing calc = TimedClick(window, IDOK);

    auto* expression = QtDialogWindowSeam::Control<QPlainTextEdit>(window, IDC_EXPRESSION);
    QTest::mouseClick(expression->viewport(), Qt::LeftButton, {},
                      expression->viewport()->rect().center());
    const std::size_t caret = window.CaretIndex(IDC_EXPRESSION);
    std::vector<Timing> presses;
    for (int press = 0; press < 5; ++press) {
        presses.push_back(TimedClick(window, IDC_KEY_7));
    }
    std::sort(presses.begin(), presses.end(),
              [](const Timing& a, const Timing& b) { return a.wall < b.wall; });

    // The second run from the box writes the records of what the box holds.
    click(IDC_INPUT_FROM);
    click(IDC_OUTPUT_TO);
    QtDialogWindowSeam::Control<QLineEdit>(window, IDC_OUTPUT_FILE)->setText(output);
    click(IDOK);
    // The peak of the window's work, before the checks below take their share.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    // The box must hold the file's text with the digits at the caret.
    QFile inputFile(input);
    std::string expected = inputFile.open(QIODevice::ReadOnly)
                               ? quorvane::batch::DecodeInputText(inputFile.readAll().toStdString())
                               : std::string();
    expected.insert(std::min(caret, expected.size()), std::string(presses.size(), '7'));
    QFile written(output);
    const bool complete =
        window.ControlText(IDC_EXPRESSION) == expected && written.open(QIODevice::ReadOnly) &&
        written.readAll().toStdString() ==
            quorvane::batch::OutputFileBytes(
                quorvane::batch::RunBatch(window.ControlText(IDC_EXPRESSION)).outputText);

    const double own = OwnSetTextCost(window);
    const Timing& press = presses[presses.size() / 2];
    std::printf("%lld %.3f %.3f %.1f %.1f %ld %.3f %s\n",
                static_cast<long long>(expression->blockCount()), calc.wall, calc.processor,
                press.wall * 1000, press.processor * 1000, usage.ru_maxrss, own,
                complete ? "complete" : "INCOMPLETE");
    return complete ? 0 : 1;
}
