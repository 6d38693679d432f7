#pragma once

#include <QString>
#include <QStringList>

class HtmlView;

// Turns page texts into files in the page folder and shows them in an HTML view.
namespace PageHost {

// The page folder with one "/" at its end: the environment variable "Temp" (its name matched
// regardless of case) when it is set and not empty, otherwise the user's private folder.
// Empty when no private folder can be had.
QString tempFolder();

// The user's own page folder, mode 0700: $XDG_RUNTIME_DIR/pelmora when the runtime folder is
// the user's, else pelmora-<uid> in the platform's temporary folder, else a fresh folder there.
// A folder is used only when it is a real directory (not a link) owned by the user that no one
// else can enter: on a shared machine another user may have planted one at that name.
QString privateFolder();

// Writes the page text `lines` as page folder + `pageFile` (each line followed by CR LF, GBK)
// and shows those bytes in `view`, whether or not the file could be written: no tab is blank
// because of the file system. The file is replaced atomically, so a link planted at its path is
// replaced, never followed; a file of another user at the path is left alone. Returns whether
// the file was written.
bool ShowPage(const QStringList& lines, const QString& pageFile, HtmlView* view);

// Deletes the page files this process wrote that are still the files it wrote (same device,
// inode, size, time and owner); anything else at their names stays.
void deletePageFiles();

} // namespace PageHost
