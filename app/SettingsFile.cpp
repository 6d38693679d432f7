#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <stdexcept>

namespace {
const QString kFileName = QStringLiteral("Pelmora.ini");
}

SettingsFile::SettingsFile(const QString& path)
    : m_path(path), m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

SettingsFile::~SettingsFile() = default;

int SettingsFile::readInteger(const QString& section, const QString& key, int fallback) const {
    const QVariant value = m_settings->value(section + '/' + key);
    if (!value.isValid())
        return fallback;
    return settingsInteger(value.toString(), fallback);
}

void SettingsFile::writeInteger(const QString& section, const QString& key, int value) {
    m_settings->setValue(section + '/' + key, value);
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw std::runtime_error(QStringLiteral("Unable to write to %1")
                                     .arg(QDir::toNativeSeparators(m_path))
                                     .toStdString());
}

QString SettingsFile::choosePath(const QString& exeDir, bool installed, const QString& configDir) {
    const QString beside = QDir(exeDir).filePath(kFileName);
    if (QFileInfo::exists(beside))
        return beside;
    const QFileInfo dir(exeDir);
    if (!installed && dir.isDir() && dir.isWritable())
        return beside;
    return QDir(configDir).filePath(kFileName);
}

QString SettingsFile::defaultPath() {
    const QString exeDir = QCoreApplication::applicationDirPath();
#ifdef PELMORA_INSTALL_BINDIR
    const bool installed =
        QDir::cleanPath(exeDir) == QDir::cleanPath(QStringLiteral(PELMORA_INSTALL_BINDIR));
#else
    const bool installed = false;
#endif
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString path = choosePath(exeDir, installed, config);
    if (!path.startsWith(exeDir))
        QDir().mkpath(config);
    return path;
}

int settingsInteger(const QString& text, int fallback) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith('-') || t.startsWith('+')) {
        negative = t.startsWith('-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    } else if (t.startsWith('$')) {
        base = 16;
        t.remove(0, 1);
    }
    // Digits only: toLongLong alone would also take blanks, a sign or a second "0x".
    const auto isDigit = [base](QChar c) {
        const char16_t u = c.unicode();
        return (u >= '0' && u <= '9') ||
               (base == 16 && ((u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')));
    };
    if (t.isEmpty() || !std::all_of(t.begin(), t.end(), isDigit))
        return fallback;
    bool ok = false;
    const qlonglong magnitude = t.toLongLong(&ok, base);
    if (!ok)
        return fallback;
    const qlonglong value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        return fallback;
    return static_cast<int>(value);
}
