#pragma once

#include <QList>
#include <QString>
#include <utility>

// "Pelmora.ini": the window position kept between runs, one section "MainForm". The file is
// edited line by line (IniText.h): whatever else it holds stays as it was.
//
// Only a regular file of the user running the program is read and rewritten, or a symbolic link
// (chain) owned by that user whose final target is such a file; the target is then rewritten
// and the link stays a link. A file of another owner, a directory, a device, a dangling link and
// a file that is not text (UTF-16, binary) are left untouched: reading gives the fallbacks and
// writing fails. A read-only file is read but not rewritten.
class SettingsFile {
public:
    explicit SettingsFile(const QString& path) : m_path(path) {}

    QString path() const { return m_path; }

    // The integers under `section`, read in one go: each key's value, or its fallback when the
    // key is absent, not an integer, or the file cannot be used.
    QList<int> readIntegers(const QString& section,
                            const QList<std::pair<QString, int>>& keysAndFallbacks) const;
    // Sets the keys in `section` in one atomic replacement of the file (a sibling temporary
    // file renamed over it, with the file's permission bits); throws std::runtime_error
    // "Unable to write to <path>" when the file cannot be used or written.
    void writeIntegers(const QString& section, const QList<std::pair<QString, int>>& values);

    // Where the settings live: beside the executable, unless the program is installed or its
    // folder is not writable; then in the user's configuration folder. A "Pelmora.ini" already
    // beside the executable always wins.
    static QString defaultPath();
    static QString choosePath(const QString& exeDir, bool installed, const QString& configDir);

private:
    QString m_path;
};
