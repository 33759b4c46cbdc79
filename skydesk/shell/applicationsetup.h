#ifndef SKYDESK_APPLICATIONSETUP_H
#define SKYDESK_APPLICATIONSETUP_H

// What the program settles before it creates its QApplication:
// - icons and pictures come sharp on screens that scale (each picture is also drawn at scale 2);
// - windows are drawn by the CPU alone. Every window is made of widgets and nothing draws with
//   OpenGL, but on X11 Qt would still choose each window's visual through GLX, which loads the
//   OpenGL driver (with Mesa's software renderer some 45 MB of LLVM, and tens of milliseconds
//   at start). A QT_XCB_GL_INTEGRATION set by the user is kept.
void prepareApplicationStart();

// Once the QApplication exists: the product's version, the window icon (the menu entry's icon)
// and the desktop entry the windows belong to.
void identifyApplication();

// Takes over the values of a sys.ini of an earlier version (beside the program or in the working
// folder) while the user has none of their own (product/usersettingsfile.h).
void adoptOldSettings();

// Debug lines (skydesk.shell) naming the data folder, the settings file and the feedback
// program; a warning when the feedback program is missing from the installation.
void reportInstallation();

// Makes Qt read the system's font list on the thread pool, once the QApplication exists: the
// first text measured would otherwise wait for it (tens of milliseconds with fontconfig). Called
// before a pause of the start, so that it is read while the splash screen is shown.
void readFontListAhead();

#endif // SKYDESK_APPLICATIONSETUP_H
