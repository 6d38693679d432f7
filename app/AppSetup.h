#pragma once

class QApplication;

// What the application needs before its first window: title, Chinese translations of Qt's own
// texts, and fonts that stand in for the Windows faces the forms name.
void setUpApplication(QApplication& app);
