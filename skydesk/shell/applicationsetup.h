#ifndef SKYDESK_APPLICATIONSETUP_H
#define SKYDESK_APPLICATIONSETUP_H

// What the program settles before it creates its QApplication:
// - icons and pictures come sharp on screens that scale (each picture is also drawn at scale 2);
// - windows are drawn by the CPU alone. Every window is made of widgets and nothing draws with
//   OpenGL, but on X11 Qt would still choose each window's visual through GLX, which loads the
//   OpenGL driver (with Mesa's software renderer some 45 MB of LLVM, and tens of milliseconds
//   at start). A QT_XCB_GL_INTEGRATION set by the user is kept.
void prepareApplicationStart();

#endif // SKYDESK_APPLICATIONSETUP_H
