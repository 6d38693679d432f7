#pragma once

class QApplication;

// What the platform must know before the application object exists, and the font set-up that
// can run meanwhile: call it first.
void prepareApplication();
// True when prepareApplication kept OpenGL out of this program.
bool drawsWithoutOpenGL();

// What the application needs before its first window: title, Chinese translations of Qt's own
// texts, and fonts that stand in for the Windows faces the forms name.
void setUpApplication(QApplication& app);
