#include "StyleFont.h"

StyleFont::StyleFont(const FontDesc& desc) : desc_(desc) {}

std::shared_ptr<StyleFont> StyleFont::Create(const FontDesc& desc) {
    return std::make_shared<StyleFont>(desc);
}

template <typename T> void StyleFont::Change(T& member, const T& value, const char* name) {
    if (member == value)
        return;
    member = value;
    emit FontChanged(QString::fromLatin1(name));
}

void StyleFont::setName(const QString& name) {
    Change(desc_.name, name, "Name");
}
void StyleFont::setSize(double size) {
    Change(desc_.size, size, "Size");
}
void StyleFont::setWeight(int weight) {
    Change(desc_.weight, weight, "Weight");
}
void StyleFont::setBold(bool bold) {
    Change(desc_.weight, bold ? 700 : 400, "Bold");
}
void StyleFont::setCharset(int charset) {
    Change(desc_.charset, charset, "Charset");
}
void StyleFont::setItalic(bool italic) {
    Change(desc_.italic, italic, "Italic");
}
void StyleFont::setUnderline(bool underline) {
    Change(desc_.underline, underline, "Underline");
}
void StyleFont::setStrikethrough(bool strikethrough) {
    Change(desc_.strikethrough, strikethrough, "Strikethrough");
}
