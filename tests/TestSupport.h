#pragma once
// Shared by every test folder's support header.
#include <QFile>
#include <QTest>

// One data row on one line.
template <class... Values> void row(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}

// Writes a test file whole: false when it cannot be opened or written completely.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
