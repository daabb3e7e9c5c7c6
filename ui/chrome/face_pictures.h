// The pictures of the image buttons' faces, drawn for a screen of any scale. The resources hold
// them drawn at 1 and at 2 screen pixels per pixel (tools/draw_faces.cpp writes them from here);
// at any other scale the program draws them as it starts, so that they are as sharp as the text
// beside them.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace chrome {

// Every face: <button>_normal, _hover and _pressed for the buttons score, restart, new_verb, close
// and minimise, then popup_close_blue and popup_close_green.
QStringList FaceNames();

// The face `name` at `ratio` screen pixels per pixel of the layout, its size the layout size times
// the ratio, rounded. Lines and boxes lie on whole screen pixels; type is set at the size the text
// of the labels has at that ratio. A null image for a name that is no face.
QImage DrawFace(const QString& name, double ratio);

}  // namespace chrome
