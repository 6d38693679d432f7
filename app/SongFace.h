#pragma once

#include <QString>

// The Song face the forms and pages were designed in. Linux has nothing by the Windows name
// ("宋体"); this Song face, which carries Latin too, stands in, by its own name: one family for
// the whole window, so its font engines and fallback search are set up once, not once per
// Windows name. AppSetup names what stands in where it is missing.
inline const QString kSongFace = QStringLiteral("Noto Serif CJK SC");
