#include "PageTexts.h"

#include <QFile>
#include <QStringEncoder>
#include <stdexcept>

namespace pages {

const QStringList& pageFileNames() {
    static const QStringList names = {
        "calc.html",  "changdu.html", "gongl.html", "mianji.html", "tiji.html",
        "gongn.html", "yali.html",    "wendu.html", "weight.html",
    };
    return names;
}

QStringList pageLines(const QString& pageFile) {
    QFile file(":/pages/" + pageFile);
    if (!pageFileNames().contains(pageFile) || !file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove('\r');
    if (text.endsWith('\n'))
        text.chop(1);
    return text.split('\n');
}

QByteArray pageFileBytes(const QStringList& lines) {
    QStringEncoder gbk("GBK");
    if (!gbk.isValid())
        throw std::runtime_error("no GBK encoder");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += gbk.encode(line);
        bytes += "\r\n";
    }
    if (gbk.hasError())
        throw std::runtime_error("page text has characters without a GBK form");
    return bytes;
}

} // namespace pages
