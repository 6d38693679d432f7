// What the application's error box shows of an error text: visible, bounded, closed by ".".
#include "ErrorText.h"

#include <QtTest>

class TestErrorText : public QObject {
    Q_OBJECT
private slots:
    void errorBoxText_data();
    void errorBoxText();
};

void TestErrorText::errorBoxText_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("shown");

    const auto row = [](const char* name, const QByteArray& message, const QString& shown) {
        QTest::newRow(name) << message << shown;
    };
    // The closing period.
    row("parser message", "'abc' is not a valid floating point value",
        "'abc' is not a valid floating point value.");
    row("path", "Unable to write to /x/Pelmora.ini", "Unable to write to /x/Pelmora.ini.");
    row("period", "Done.", "Done.");
    row("bracket", "value (x)", "value (x)");
    row("blank", "a ", "a ");
    row("slash sorts after", "a/", "a/.");
    row("Chinese full stop", "错误。", "错误。.");
    row("empty stays empty", "", "");
    // Nothing hidden, cut short or reordered.
    row("NUL", QByteArray("'1\0002'", 5), "'1\\x002'");
    row("tab, line feed, DEL, C1", "a\tb\nc\x7f\xc2\x85", "a\\x09b\\x0Ac\\x7F\\x85.");
    row("bytes that are not UTF-8", "\xff\xc0\xaf\xed\xa0\x80", "\\xFF\\xC0\\xAF\\xED\\xA0\\x80.");
    row("cut sequence", "a\xe4\xb8", "a\\xE4\\xB8.");
    row("right-to-left override and isolate", "x\u202Eabc\u2066y\u2069",
        "x\\u202Eabc\\u2066y\\u2069.");
    row("marks, joiners, byte-order mark", "\u200E\u200F\u200D\u061C\uFEFF",
        "\\u200E\\u200F\\u200D\\u061C\\uFEFF.");
    row("line separator", "a\u2028b", "a\\u2028b.");
    row("Chinese, accents, emoji kept", "年é😀", "年é😀.");
    // Bounded: 400 characters, escapes count as the one character they stand for.
    row("400 characters", QByteArray("a ").repeated(199) + "ab",
        QString("a ").repeated(199) + "ab.");
    row("401 characters", QByteArray("a ").repeated(201), QString("a ").repeated(200) + "….");
    const QString nuls = QString("\\x00").repeated(15);
    row("401 NULs", QByteArray(401, '\0'),
        QStringList(26, nuls).join('\n') + '\n' + QString("\\x00").repeated(10) + "….");
    // Long runs without a blank wrap inside the box, after a "/" where there is one.
    row("long path",
        "Unable to write to /home/" + QByteArray(40, 'a') + "/" + QByteArray(30, 'b') +
            "/Pelmora.ini",
        "Unable to write to /home/" + QString(40, 'a') + "/\n" + QString(30, 'b') +
            "/Pelmora.ini.");
    row("long number", "'" + QByteArray(130, '9') + "' x",
        "'" + QString(59, '9') + "\n" + QString(60, '9') + "\n" + QString(11, '9') + "' x.");
    row("60 characters stay", QByteArray(60, '9'), QString(60, '9') + ".");
    row("32767 Chinese characters", QString(32767, QChar(0x5E74)).toUtf8(),
        QString(400, QChar(0x5E74)) + "….");
}

void TestErrorText::errorBoxText() {
    QFETCH(QByteArray, message);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(calc::errorBoxText(message.toStdString())), shown);
}

QTEST_APPLESS_MAIN(TestErrorText)
#include "tst_errortext.moc"
