#pragma once

#include <QString>

// The maker's details, fixed when the program is built (CMake cache variables PELMORA_WEBSITE,
// PELMORA_EMAIL, PELMORA_AUTHOR and PELMORA_NOTICE).
namespace Maker {
QString website(); // an "http://" URL
QString email();
QString author();
QString notice(); // the About box's last line, as configured (not yet padded)
} // namespace Maker

// The feedback address: "mailto:" + the e-mail address + "?subject=" + the subject in
// percent-encoded UTF-8 + "&cc=". Raw GBK bytes in a URL come out garbled on Linux.
QString feedbackAddress(const QString& email);
QString feedbackAddress();

// "%d.%d Build %d" of major, minor and build, each cut to the 16 bits a file-version field holds.
QString versionText(int major, int minor, int build);
// The version text of this program: major, minor and the fourth number of the project version
// ("1.1 Build 62" for 1.1.0.62); the third number is not shown.
QString versionText();

// Opens a web or mail address with the user's default program, behind one seam that tests
// replace so that nothing is opened for real.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // A failure (no browser, no mail program) is not reported.
    virtual void open(const QString& address);

    // The opener in use; tests install their own with setCurrent() (nullptr restores the real
    // one).
    static LinkOpener& current();
    static void setCurrent(LinkOpener* opener);
};
