#include "PageTexts.h"

#include <QFile>
#include <QStringEncoder>
#include <stdexcept>

namespace pages {

const Page* pageByTag(int tag) {
    for (const Page& page : kPages)
        if (page.tag == tag)
            return &page;
    return nullptr;
}

const Page& firstPage(Tab tab) {
    for (const Page& page : kPages)
        if (page.tab == tab)
            return page;
    throw std::logic_error("a tab without pages");
}

const QStringList& pageFileNames() {
    static const QStringList names = [] {
        QStringList out;
        for (const Page& page : kPages)
            out << fileName(page);
        return out;
    }();
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
