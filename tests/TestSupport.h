#pragma once
// Shared by every test folder's support header.
#include <QTest>

// One data row on one line.
template <class... Values> void row(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}
