#include "FontFaces.h"
#include "Rounding.h"

#include "ColorMath.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace FontFaces {

namespace {

const char* const kSerifCjk = "Noto Serif CJK SC";
const char* const kSansCjk = "Noto Sans CJK SC";
const char* const kSans = "DejaVu Sans";

// Windows face names the layouts may carry, matched without regard to case.
const std::array<std::pair<const char*, const char*>, 12> kFaces = {{
    {"宋体", kSerifCjk},
    {"SimSun", kSerifCjk},
    {"新宋体", kSerifCjk},
    {"NSimSun", kSerifCjk},
    {"黑体", kSansCjk},
    {"SimHei", kSansCjk},
    {"微软雅黑", kSansCjk},
    {"Microsoft YaHei", kSansCjk},
    {"Tahoma", kSans},
    {"MS Sans Serif", kSans},
    {"Arial", kSans},
    {"Verdana", kSans},
}};

} // namespace

QString FamilyFor(const QString& faceName) {
    for (const auto& [face, family] : kFaces) {
        if (faceName.compare(QString::fromUtf8(face), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(family);
    }
    return faceName;
}

namespace {

QFont MakeQFont(const FontDesc& desc) {
    QFont font(FamilyFor(desc.name));
    font.setPixelSize(std::max(1, Rounding::HalfEven(desc.size * 96.0 / 72.0)));
    font.setWeight(QFont::Weight(std::clamp(desc.weight, 1, 1000)));
    font.setItalic(desc.italic);
    font.setUnderline(desc.underline);
    font.setStrikeOut(desc.strikethrough);
    return font;
}

} // namespace

QFont ToQFont(const FontDesc& desc) {
    // A window's buttons mostly share a font or two. Handing out copies of
    // one QFont lets them share its resolved font engine too, which Qt
    // otherwise looks up again for every new font object.
    struct Entry {
        FontDesc desc;
        QFont font;
    };
    constexpr std::size_t kKept = 16;
    static std::vector<Entry> made;
    for (const Entry& e : made) {
        if (e.desc == desc)
            return e.font;
    }
    if (made.size() == kKept)
        made.erase(made.begin());
    made.push_back({desc, MakeQFont(desc)});
    return made.back().font;
}

FontDesc FromQFont(const QFont& font) {
    FontDesc desc;
    desc.name = font.family();
    if (font.pointSizeF() > 0)
        desc.size = font.pointSizeF();
    else if (font.pixelSize() > 0)
        desc.size = font.pixelSize() * 72.0 / 96.0;
    desc.weight = int(font.weight());
    desc.charset = 134;
    desc.italic = font.italic();
    desc.underline = font.underline();
    desc.strikethrough = font.strikeOut();
    return desc;
}

} // namespace FontFaces
