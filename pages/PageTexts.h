#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The page texts compiled into the program and the bytes their page files hold.
namespace pages {

// The nine page file names, calculator page first.
const QStringList& pageFileNames();

// The lines of the page text that is saved as `pageFile` ("calc.html", ...); empty when unknown.
QStringList pageLines(const QString& pageFile);

// A page file's bytes: every line followed by CR LF, the last one too, in GBK.
// Throws std::runtime_error when a character has no GBK form.
QByteArray pageFileBytes(const QStringList& lines);

} // namespace pages
