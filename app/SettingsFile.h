#pragma once

#include <QString>
#include <memory>

class QSettings;

// "Pelmora.ini": the window position kept between runs, one section "MainForm".
class SettingsFile {
public:
    explicit SettingsFile(const QString& path);
    ~SettingsFile();

    QString path() const { return m_path; }

    // The integer under section/key, or `fallback` when absent or not an integer.
    int readInteger(const QString& section, const QString& key, int fallback) const;
    // Writes one value through to the file at once; throws std::runtime_error
    // "Unable to write to <path>" when it cannot.
    void writeInteger(const QString& section, const QString& key, int value);

    // Where the settings live: beside the executable, unless the program is installed or its
    // folder is not writable; then in the user's configuration folder. A "Pelmora.ini" already
    // beside the executable always wins.
    static QString defaultPath();
    static QString choosePath(const QString& exeDir, bool installed, const QString& configDir);

private:
    QString m_path;
    std::unique_ptr<QSettings> m_settings;
};

// An integer setting text: decimal, or hexadecimal after "0x", "0X" or "$", optionally signed;
// anything else (or out of 32-bit range) gives `fallback`.
int settingsInteger(const QString& text, int fallback);
