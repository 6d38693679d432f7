#pragma once

#include <QString>

// The application title (task bar, error boxes) and the main window's caption.
inline const QString kAppTitle = QStringLiteral("Pelmora");
inline const QString kMainCaption = QStringLiteral("Pelmora1.1");
