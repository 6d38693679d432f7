#include "AppSetup.h"

#include "AppInfo.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationDisplayName(kAppTitle);
    QApplication::setOrganizationName(kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));

    // No Linux font answers to the Windows names: Chinese text in a Song face, Latin in
    // look-alikes.
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("Noto Serif CJK SC"),
                                                        QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitutions(
        QStringLiteral("@GungsuhChe"),
        {QStringLiteral("Noto Serif CJK KR"), QStringLiteral("Noto Serif CJK SC")});
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPixelSize(11);
    QApplication::setFont(base);

    // Standard buttons read "确定" like the rest of the interface.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}
