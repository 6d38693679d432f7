#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The page texts compiled into the program and the bytes their page files hold.
namespace pages {

// The main window's tabs, in order.
enum Tab { CalculatorTab, IncomeTaxTab, DepositTab, HealthTab, ConversionTab, TabCount };

// A page: its file, the tab whose view shows it, its selector tag on the conversion tab (0 for
// the calculator page, shown with its tab) and the outer window height it asks for when its
// selector is clicked (0: the tab's own height).
struct Page {
    const char* file;
    Tab tab;
    int tag;
    int height;
};

// The nine pages, calculator page first.
inline constexpr Page kPages[] = {
    {"calc.html", CalculatorTab, 0, 0},     {"changdu.html", ConversionTab, 1, 475},
    {"gongl.html", ConversionTab, 2, 365},  {"mianji.html", ConversionTab, 3, 380},
    {"tiji.html", ConversionTab, 4, 470},   {"gongn.html", ConversionTab, 8, 325},
    {"yali.html", ConversionTab, 5, 455},   {"wendu.html", ConversionTab, 6, 255},
    {"weight.html", ConversionTab, 7, 470},
};

// The page with selector tag `tag` (0: the calculator page); none for an unknown tag.
const Page* pageByTag(int tag);

// The page a tab's view shows when the tab is chosen: the tab's first in kPages. Only the
// calculator and conversion tabs have pages.
const Page& firstPage(Tab tab);

inline QString fileName(const Page& page) {
    return QString::fromLatin1(page.file);
}

// The nine page file names, in the order of kPages.
const QStringList& pageFileNames();

// The lines of the page text that is saved as `pageFile` ("calc.html", ...); empty when unknown.
QStringList pageLines(const QString& pageFile);

// A page file's bytes: every line followed by CR LF, the last one too, in GBK.
// Throws std::runtime_error when a character has no GBK form.
QByteArray pageFileBytes(const QStringList& lines);

} // namespace pages
