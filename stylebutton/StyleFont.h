#pragma once

#include "FontDesc.h"

#include <QObject>
#include <QString>
#include <memory>

// The caption font as a shared, observable object: a button keeps one and
// hears every change of its attributes, so changing the size of a font that
// several buttons share redraws all of them at once.
class StyleFont : public QObject {
    Q_OBJECT
public:
    explicit StyleFont(const FontDesc& desc = {});
    static std::shared_ptr<StyleFont> Create(const FontDesc& desc = {});

    const FontDesc& Desc() const { return desc_; }

    QString Name() const { return desc_.name; }
    void setName(const QString& name);
    double Size() const { return desc_.size; }
    void setSize(double size);
    int Weight() const { return desc_.weight; }
    void setWeight(int weight);
    bool Bold() const { return desc_.Bold(); }
    void setBold(bool bold);
    int Charset() const { return desc_.charset; }
    void setCharset(int charset);
    bool Italic() const { return desc_.italic; }
    void setItalic(bool italic);
    bool Underline() const { return desc_.underline; }
    void setUnderline(bool underline);
    bool Strikethrough() const { return desc_.strikethrough; }
    void setStrikethrough(bool strikethrough);

signals:
    // Raised after an attribute changed, with the attribute's name.
    void FontChanged(const QString& propertyName);

private:
    template <typename T> void Change(T& member, const T& value, const char* name);

    FontDesc desc_;
};

using FontPtr = std::shared_ptr<StyleFont>;
