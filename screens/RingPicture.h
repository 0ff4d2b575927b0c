// The ring-side picture of the about box, which is also the program's icon.
#pragma once

class QPainter;
class QPixmap;

// The picture is drawn in a 96 x 96 square of the painter's coordinates, so a
// scaled painter gives the same picture at any size (the icon files are made
// that way). The about box's picture has square corners; the icon's are
// rounded and stay transparent outside.
enum class PictureCorners {
    Square,
    Rounded,
};
void paintRingPicture(QPainter& p, PictureCorners corners);

// The about box's 96 x 96 picture.
QPixmap ringPicture();
