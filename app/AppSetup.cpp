#include "AppSetup.h"

#include "AppInfo.h"
#include "FormLook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

void setUpApplication(QApplication& app) {
    // No organisation name: the user's settings folder is then ~/.config/Pelmora. No display
    // name either, which Qt would append to the main window's caption.
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    // Lets desktops match the windows to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PELMORA_APP_ID));

    // No Linux font answers to the Windows names. Chinese text in them was drawn in the Song
    // face (Windows links its sans faces to it for Chinese), so each maps straight to a Song face
    // that carries Latin too: one family for the whole window, and no fallback search.
    const QString song = QStringLiteral("Noto Serif CJK SC");
    QFont::insertSubstitutions(kSongFace, {song, QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {song, QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {song, QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("@GungsuhChe"),
                               {QStringLiteral("Noto Serif CJK KR"), song});
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPixelSize(11);
    QApplication::setFont(base);

    // The HTML engine describes its set-up at length on every start.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));

    // Qt's own texts (the fields' context menus, for one) read Chinese like the rest of the
    // interface; our boxes name their buttons themselves.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}
