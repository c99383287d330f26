// The two forms of an edit box's text: member bytes (UTF-8, CR LF) and
// widget text ('\n'), and the caret positions between them.
#include <QTest>
#include <string>

#include "EditText.h"

using quorvane::window::qt::MemberIndex;
using quorvane::window::qt::MemberText;
using quorvane::window::qt::WidgetLength;
using quorvane::window::qt::WidgetPosition;
using quorvane::window::qt::WidgetText;

Q_DECLARE_METATYPE(std::string)

class EditTextTest : public QObject {
    Q_OBJECT

  private slots:
    void textsMapBothWays_data() {
        QTest::addColumn<std::string>("member");
        QTest::addColumn<QString>("widget");
        QTest::newRow("empty") << std::string() << QString();
        QTest::newRow("one line") << std::string("1+1") << QStringLiteral("1+1");
        QTest::newRow("CR LF lines")
            << std::string("1+1\r\n\r\n2*3\r\n") << QStringLiteral("1+1\n\n2*3\n");
        QTest::newRow("lone CR stays one character")
            << std::string("1+1\r2") << QStringLiteral("1+1\u240D2");
        QTest::newRow("lone LF stays one character")
            << std::string("1\n2") << QStringLiteral("1\u240A2");
        QTest::newRow("CR before CR LF") << std::string("a\r\r\nb") << QStringLiteral("a\u240D\nb");
        QTest::newRow("a lone CR is the whole text")
            << std::string("\r") << QStringLiteral("\u240D");
        QTest::newRow("Chinese, then a lone LF")
            << std::string("中\n") << QStringLiteral("中\u240A");
        QTest::newRow("Chinese") << std::string("txt文件\r\n版") << QStringLiteral("txt文件\n版");
        QTest::newRow("outside the BMP")
            << std::string("x\xF0\x9F\x98\x80y") << QStringLiteral("x\U0001F600y");
    }
    void textsMapBothWays() {
        QFETCH(std::string, member);
        QFETCH(QString, widget);
        QCOMPARE(WidgetText(member), widget);
        QCOMPARE(MemberText(widget), member);
        QCOMPARE(WidgetLength(member), widget.size());
    }

    void invalidBytesShowAsReplacement() {
        QCOMPARE(WidgetText("a\xFF"
                            "b"),
                 QStringLiteral("a\uFFFDb"));
        QCOMPARE(MemberText(QStringLiteral("a\uFFFDb")), std::string("a\xEF\xBF\xBD"
                                                                     "b"));
    }

    void unicodeLineBreaksBecomeCrLf() {
        QCOMPARE(MemberText(QStringLiteral("1\u20282\u20293")), std::string("1\r\n2\r\n3"));
    }

    void positionsMapBothWays_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("index");
        const QString lines = QStringLiteral("1+1\n\n22");
        QTest::newRow("start") << lines << 0 << 0;
        QTest::newRow("end of first line") << lines << 3 << 3;
        QTest::newRow("after a line break") << lines << 4 << 5;
        QTest::newRow("after two line breaks") << lines << 5 << 7;
        QTest::newRow("middle of third line") << lines << 6 << 8;
        QTest::newRow("end") << lines << 7 << 9;
        const QString chinese = QStringLiteral("文件\n1");
        QTest::newRow("after a three-byte character") << chinese << 1 << 3;
        QTest::newRow("after two three-byte characters") << chinese << 2 << 6;
        QTest::newRow("after Chinese and a line break") << chinese << 3 << 8;
        const QString loneCr = QStringLiteral("1+1\u240D2");
        QTest::newRow("after a lone CR") << loneCr << 4 << 4;
        const QString emoji = QStringLiteral("\U0001F600x");
        QTest::newRow("after a four-byte character") << emoji << 2 << 4;
    }
    void positionsMapBothWays() {
        QFETCH(QString, widget);
        QFETCH(int, position);
        QFETCH(int, index);
        QCOMPARE(MemberIndex(widget, position), static_cast<std::size_t>(index));
        QCOMPARE(WidgetPosition(widget, static_cast<std::size_t>(index)), position);
    }

    void indexInsideACharacterGoesBeforeIt_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("position");
        QTest::newRow("between CR and LF") << QStringLiteral("ab\ncd") << 3 << 2;
        QTest::newRow("inside a Chinese character") << QStringLiteral("x文y") << 2 << 1;
        QTest::newRow("past the end") << QStringLiteral("ab\n") << 40 << 3;
    }
    void indexInsideACharacterGoesBeforeIt() {
        QFETCH(QString, widget);
        QFETCH(int, index);
        QFETCH(int, position);
        QCOMPARE(WidgetPosition(widget, static_cast<std::size_t>(index)), position);
    }
};

QTEST_GUILESS_MAIN(EditTextTest)
#include "EditTextTest.moc"
