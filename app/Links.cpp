#include "Links.h"

#include "MakerInfo.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
LinkOpener* g_override = nullptr;
const QString kFeedbackSubject = QStringLiteral("Pelmora软件用户意见或建议");
} // namespace

namespace Maker {
QString website() {
    return QString::fromUtf8(kMakerWebsite);
}
QString email() {
    return QString::fromUtf8(kMakerEmail);
}
QString author() {
    return QString::fromUtf8(kMakerAuthor);
}
QString notice() {
    return QString::fromUtf8(kMakerNotice);
}
} // namespace Maker

QString feedbackAddress(const QString& email) {
    return QStringLiteral("mailto:") + email + QStringLiteral("?subject=") +
           QString::fromLatin1(QUrl::toPercentEncoding(kFeedbackSubject)) + QStringLiteral("&cc=");
}

QString feedbackAddress() {
    return feedbackAddress(Maker::email());
}

QString versionText(int major, int minor, int build) {
    return QString::asprintf("%d.%d Build %d", major & 0xFFFF, minor & 0xFFFF, build & 0xFFFF);
}

QString versionText() {
    return versionText(kVersionMajor, kVersionMinor, kVersionBuild);
}

void LinkOpener::open(const QString& address) {
    // The address is already encoded; tolerant parsing keeps its percent escapes as they are.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

LinkOpener& LinkOpener::current() {
    static LinkOpener real;
    return g_override ? *g_override : real;
}

void LinkOpener::setCurrent(LinkOpener* opener) {
    g_override = opener;
}
