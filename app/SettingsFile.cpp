#include "SettingsFile.h"

#include "IniText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kFileName = QStringLiteral("Pelmora.ini");

// The file the settings are kept in: `path` itself or the final target of its links.
struct Target {
    std::string path;
    bool exists = false;
    struct stat st {};
};

// The folder part of a path with its final "/", or "" for a bare name.
std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The target when it may be used: a missing file, a regular file of this user, or a chain of
// this user's links ending in one. Anything else gives nothing.
std::optional<Target> usableTarget(const std::string& path) {
    Target t{path};
    for (int hops = 0; hops < 40; ++hops) {
        if (lstat(t.path.c_str(), &t.st) != 0)
            return errno == ENOENT && hops == 0 ? std::optional<Target>(t) : std::nullopt;
        if (t.st.st_uid != geteuid())
            return std::nullopt;
        if (S_ISREG(t.st.st_mode)) {
            t.exists = true;
            return t;
        }
        if (!S_ISLNK(t.st.st_mode))
            return std::nullopt;
        std::string link(std::size_t(t.st.st_size) + 1, '\0');
        const ssize_t n = readlink(t.path.c_str(), link.data(), link.size());
        if (n <= 0 || std::size_t(n) >= link.size())
            return std::nullopt;
        link.resize(std::size_t(n));
        t.path = link.front() == '/' ? link : directoryOf(t.path) + link;
    }
    return std::nullopt;
}

// The bytes of the target as it was checked (same file, still regular), mapped rather than
// copied: a settings file of any size costs no more than its pages.
class Contents {
public:
    explicit Contents(const Target& t) {
        if (!t.exists) {
            m_ok = true;
            return;
        }
        const int fd = open(t.path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return;
        struct stat st {};
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_dev == t.st.st_dev &&
            st.st_ino == t.st.st_ino) {
            m_size = std::size_t(st.st_size);
            if (m_size == 0) {
                m_ok = true;
            } else {
                void* data = mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
                m_ok = data != MAP_FAILED;
                m_data = m_ok ? static_cast<const char*>(data) : nullptr;
            }
        }
        close(fd);
    }
    ~Contents() {
        if (m_data)
            munmap(const_cast<char*>(m_data), m_size);
    }
    Contents(const Contents&) = delete;
    Contents& operator=(const Contents&) = delete;

    // The bytes when they could be read and are text.
    std::optional<std::string_view> text() const {
        const std::string_view bytes(m_data ? m_data : "", m_data ? m_size : 0);
        return m_ok && ini::isText(bytes) ? std::optional(bytes) : std::nullopt;
    }

private:
    const char* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_ok = false;
};

bool writeAll(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// Replaces the target by `text` with `edits` made, through a new sibling file renamed over it:
// readers see the old file or the new one, never a part. The new file keeps the old one's
// permission bits and group; a new file gets the usual ones (the umask applies).
bool replaceTarget(const Target& t, std::string_view text, const std::vector<ini::Edit>& edits) {
    const std::string dir = directoryOf(t.path);
    const std::string base = t.path.substr(dir.size());
    std::random_device random;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = dir + "." + base + "." + std::to_string(random());
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = true;
    std::size_t at = 0;
    for (const ini::Edit& edit : edits) {
        ok = ok && writeAll(fd, text.substr(at, edit.at - at)) && writeAll(fd, edit.insert);
        at = edit.at + edit.erase;
    }
    ok = ok && writeAll(fd, text.substr(at));
    if (ok && t.exists) {
        ok = fchmod(fd, t.st.st_mode & 07777) == 0;
        if (fchown(fd, uid_t(-1), t.st.st_gid) != 0) {
            // Keeping the group is a courtesy; the user may not belong to it.
        }
    }
    ok = fdatasync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (ok && rename(temp.c_str(), t.path.c_str()) == 0)
        return true;
    unlink(temp.c_str());
    return false;
}

std::runtime_error writeError(const QString& path) {
    return std::runtime_error(
        QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)).toStdString());
}

} // namespace

QList<int> SettingsFile::readIntegers(const QString& section,
                                      const QList<std::pair<QString, int>>& keys) const {
    const std::optional<Target> target = usableTarget(QFile::encodeName(m_path).toStdString());
    std::optional<Contents> contents;
    if (target)
        contents.emplace(*target);
    const std::optional<std::string_view> text = contents ? contents->text() : std::nullopt;
    const std::string sectionName = section.toStdString();
    QList<int> values;
    for (const auto& [key, fallback] : keys) {
        const auto value = text ? ini::value(*text, sectionName, key.toStdString()) : std::nullopt;
        values << (value ? ini::integer(*value, fallback) : fallback);
    }
    return values;
}

void SettingsFile::writeIntegers(const QString& section,
                                 const QList<std::pair<QString, int>>& values) {
    const std::optional<Target> target = usableTarget(QFile::encodeName(m_path).toStdString());
    if (!target)
        throw writeError(m_path);
    const Contents contents(*target);
    const std::optional<std::string_view> text = contents.text();
    // A file its owner made read-only is not to be changed, even though it could be replaced.
    if (!text || (target->exists && !(target->st.st_mode & S_IWUSR)))
        throw writeError(m_path);
    std::vector<ini::Entry> entries;
    for (const auto& [key, value] : values)
        entries.push_back({key.toStdString(), std::to_string(value)});
    if (!replaceTarget(*target, *text, ini::edits(*text, section.toStdString(), entries)))
        throw writeError(m_path);
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
