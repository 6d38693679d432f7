#include "PageHost.h"

#include "HtmlView.h"
#include "PageTexts.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcessEnvironment>
#include <QTemporaryFile>
#include <cstdio>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace PageHost {

namespace {

// What identifies a page file this process wrote: the same file, unchanged since.
struct Identity {
    dev_t device;
    ino_t inode;
    off_t size;
    timespec modified;
    uid_t owner;

    explicit Identity(const struct stat& st)
        : device(st.st_dev), inode(st.st_ino), size(st.st_size), modified(st.st_mtim),
          owner(st.st_uid) {}
    bool matches(const struct stat& st) const {
        return S_ISREG(st.st_mode) && st.st_dev == device && st.st_ino == inode &&
               st.st_size == size && st.st_mtim.tv_sec == modified.tv_sec &&
               st.st_mtim.tv_nsec == modified.tv_nsec && st.st_uid == owner;
    }
};

// The page files written by this process, by path.
QHash<QByteArray, Identity>& writtenFiles() {
    static QHash<QByteArray, Identity> files;
    return files;
}

// The fresh folder made when neither usual private folder could be used; reused while it lasts.
QByteArray& freshFolder() {
    static QByteArray folder;
    return folder;
}

// A real directory (lstat: not a link) owned by the user, without the access bits in `denied`.
bool ownDirectory(const QByteArray& path, mode_t denied) {
    struct stat st;
    return !path.isEmpty() && ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & denied) == 0;
}

// `path` as a private folder of the user, created when missing.
bool privateDirectory(const QByteArray& path) {
    ::mkdir(path.constData(), 0700); // an existing one is checked like a new one
    return ownDirectory(path, 077);
}

// A page file that must not be replaced: another user's (a link is replaced, never followed).
bool foreignFile(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && !S_ISLNK(st.st_mode) && st.st_uid != ::geteuid();
}

// Writes `bytes` to a sibling of `path` and renames it over `path`, so the file appears whole
// and a link planted at the path is replaced instead of written through.
bool writePage(const QString& path, const QByteArray& bytes) {
    const QByteArray native = QFile::encodeName(path);
    if (foreignFile(native))
        return false;
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    struct stat st;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush() ||
        ::fstat(file.handle(), &st) != 0 ||
        std::rename(QFile::encodeName(file.fileName()).constData(), native.constData()) != 0)
        return false;
    file.setAutoRemove(false);
    writtenFiles().insert(native, Identity(st));
    return true;
}

} // namespace

QString privateFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && ownDirectory(runtime, 022)) {
        const QByteArray folder = runtime + "/pelmora";
        if (privateDirectory(folder))
            return QFile::decodeName(folder);
    }
    const QByteArray base = QFile::encodeName(QDir::tempPath());
    const QByteArray user = base + "/pelmora-" + QByteArray::number(::geteuid());
    if (privateDirectory(user))
        return QFile::decodeName(user);
    // Someone else holds that name: a folder of our own under a name no one can guess.
    QByteArray& fresh = freshFolder();
    if (!ownDirectory(fresh, 077)) {
        QByteArray name = user + "-XXXXXX";
        fresh = ::mkdtemp(name.data()) ? name : QByteArray();
    }
    return QFile::decodeName(fresh);
}

QString tempFolder() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString folder;
    // Prefer the spellings in common use, then any other casing of the name.
    for (const QString& name :
         {QStringLiteral("Temp"), QStringLiteral("TEMP"), QStringLiteral("temp")})
        if (folder.isEmpty())
            folder = env.value(name);
    if (folder.isEmpty()) {
        for (const QString& name : env.keys())
            if (name.compare(QLatin1String("temp"), Qt::CaseInsensitive) == 0 &&
                !env.value(name).isEmpty())
                folder = env.value(name);
    }
    if (folder.isEmpty())
        folder = privateFolder();
    if (!folder.isEmpty() && !folder.endsWith('/'))
        folder += '/';
    return folder;
}

bool ShowPage(const QStringList& lines, const QString& pageFile, HtmlView* view) {
    if (!view)
        throw std::runtime_error("no HTML view");
    const QByteArray bytes = pages::pageFileBytes(lines);
    const QString folder = tempFolder();
    const bool written = !folder.isEmpty() && writePage(folder + pageFile, bytes);
    // The view gets the bytes themselves, never what is in the file by now.
    view->showPage((folder.isEmpty() ? QStringLiteral("/") : folder) + pageFile, bytes);
    return written;
}

void deletePageFiles() {
    QHash<QByteArray, Identity>& files = writtenFiles();
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        struct stat st;
        if (::lstat(it.key().constData(), &st) == 0 && it.value().matches(st))
            ::unlink(it.key().constData());
    }
    files.clear();
    if (!freshFolder().isEmpty())
        ::rmdir(freshFolder().constData()); // only when nothing else was put there
}

} // namespace PageHost
