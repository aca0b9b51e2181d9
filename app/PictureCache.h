#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures that take long to draw and come out the same at every start (a
// panel of text), kept between starts in the user's cache folder as raw
// pixels. A start maps the file instead of drawing the picture; whoever
// uses one still checks it against a fresh drawing once the window shows,
// since fonts and their settings can change between starts.
//
// A file holds a short header and the rows of one 32-bit RGB picture. It is
// written whole to another name and then renamed over the old one, so that
// no reader ever sees a file cut short.
class PictureCache {
public:
    // The folder of the pictures: by default "pictures" in the program's
    // cache folder. Tests point it elsewhere; empty returns to the default.
    static void SetFolder(const QString& folder);
    static QString Folder();

    // The picture stored under `key`, or a null image when there is none or
    // the file is not one of ours. The image uses the file's pages directly.
    static QImage Load(const QByteArray& key);
    // Stores a picture of format RGB32; false when it could not be written.
    static bool Store(const QByteArray& key, const QImage& picture);
};
