#include "PageHost.h"

#include "HtmlView.h"
#include "PageTexts.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryFile>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace PageHost {

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
        folder = QDir::tempPath();
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

void ShowPage(const QStringList& lines, const QString& pageFile, HtmlView* view) {
    if (!view)
        throw std::runtime_error("no HTML view");
    const QByteArray bytes = pages::pageFileBytes(lines);
    const QString path = tempFolder() + pageFile;
    // Write a sibling and rename it over the path: rename replaces a link planted there
    // instead of writing through it.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(),
                            QFile::encodeName(path).toStdString(), ec);
    if (ec)
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + ec.message());
    file.setAutoRemove(false);
    view->showPage(path, bytes);
}

void deletePageFiles() {
    const QString folder = tempFolder();
    for (const QString& name : pages::pageFileNames())
        QFile::remove(folder + name);
}

} // namespace PageHost
