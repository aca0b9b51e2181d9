#pragma once

#include <QString>
#include <cmath>

// The attributes of a caption font as a layout stores them: face name, size
// in points, weight (400 normal, 700 bold), character set and the styles.
struct FontDesc {
    QString name = QStringLiteral("宋体");
    double size = 9.0;
    int weight = 400;
    int charset = 134; // GB2312
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool Bold() const { return weight >= 700; }

    friend bool operator==(const FontDesc& a, const FontDesc& b) {
        return a.name == b.name && std::abs(a.size - b.size) < 1e-6 && a.weight == b.weight &&
               a.charset == b.charset && a.italic == b.italic && a.underline == b.underline &&
               a.strikethrough == b.strikethrough;
    }
};
