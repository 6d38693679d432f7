#pragma once

#include <QString>
#include <QStringList>

class HtmlView;

// Turns page texts into files in the temporary folder and shows them in an HTML view.
namespace PageHost {

// The temporary folder with one "/" at its end: the environment variable "Temp" (its name
// matched regardless of case), or the platform's temporary folder when it is unset or empty.
QString tempFolder();

// Writes the page text `lines` as temporary folder + `pageFile` (each line followed by CR LF,
// GBK) and shows it in `view`. The file is replaced atomically, so a link planted at its path
// is replaced, never followed; the view shows exactly the bytes just written. Throws
// std::runtime_error when the page cannot be written; the view then keeps its page.
void ShowPage(const QStringList& lines, const QString& pageFile, HtmlView* view);

// Deletes the nine page files from the temporary folder; missing ones are skipped.
void deletePageFiles();

} // namespace PageHost
