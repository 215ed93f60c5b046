#pragma once

#include <QString>

// Registers .tpf plot files with the desktop for the current user: a MIME
// type "application/x-ternary-plot" for *.tpf (comment "Ternary File"), a
// desktop entry that opens such files with this program, and the program's
// icon, all below dataHome (by default $XDG_DATA_HOME, or ~/.local/share).
// Files that exist are left alone, so a user's own edits survive; in the
// user's data folder a copy installed in any of the desktop's data folders
// counts as existing, so an installed program is not hidden. Nothing
// here may stop the program from starting: every failure is ignored.
// Returns the number of files written.
int RegisterShellFileTypes(const QString& executable, const QString& dataHome = QString());

// The texts written, for the installer's copies in data/ and for tests.
QString DesktopEntryText(const QString& executable);
QString MimeTypeText();
