#include "PropertyText.h"

#include <limits>

namespace PropertyText {

namespace {

QString Quote(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

void SkipSpaces(QStringView text, qsizetype& pos) {
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
}

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

QStringView ReadWord(QStringView text, qsizetype& pos) {
    const qsizetype start = pos;
    while (pos < text.size() && IsWordChar(text[pos]))
        ++pos;
    return text.mid(start, pos - start);
}

bool Fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

std::optional<QString> ParseString(QStringView text, qsizetype& pos, QString* error) {
    // pos is at the opening quote. Most texts hold no doubled quote and are
    // copied in one piece.
    QString out;
    qsizetype start = ++pos;
    while (pos < text.size()) {
        const qsizetype quote = text.indexOf(QLatin1Char('"'), pos);
        if (quote < 0)
            break;
        out += text.mid(start, quote - start);
        if (quote + 1 < text.size() && text[quote + 1] == QLatin1Char('"')) {
            out += QLatin1Char('"');
            start = pos = quote + 2;
            continue;
        }
        pos = quote + 1;
        return out;
    }
    pos = text.size();
    Fail(error, QStringLiteral("unterminated text"));
    return std::nullopt;
}

std::optional<PropertyValue> ParseNumber(QStringView text, qsizetype& pos, QString* error) {
    const qsizetype start = pos;
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
        ++pos;
    bool fraction = false;
    while (pos < text.size() && (text[pos].isDigit() || text[pos] == QLatin1Char('.'))) {
        fraction = fraction || text[pos] == QLatin1Char('.');
        ++pos;
    }
    const QStringView literal = text.mid(start, pos - start);
    // Twips and style codes: plain whole numbers, read without the general
    // conversion.
    if (!fraction && literal.size() <= 10) {
        const bool negative = literal.startsWith(QLatin1Char('-'));
        qsizetype k = negative || literal.startsWith(QLatin1Char('+')) ? 1 : 0;
        std::int64_t n = 0;
        bool plain = k < literal.size();
        for (; plain && k < literal.size(); ++k) {
            const char16_t d = literal[k].unicode();
            plain = d >= u'0' && d <= u'9';
            n = n * 10 + (d - u'0');
        }
        if (negative)
            n = -n;
        if (plain && n >= std::numeric_limits<std::int32_t>::min() &&
            n <= std::numeric_limits<std::int32_t>::max())
            return PropertyValue(std::int32_t(n));
    }
    bool ok = false;
    if (fraction) {
        const double d = literal.toDouble(&ok);
        if (ok)
            return PropertyValue(d);
    } else {
        const qlonglong n = literal.toLongLong(&ok);
        if (ok && n >= std::numeric_limits<std::int32_t>::min() &&
            n <= std::numeric_limits<std::int32_t>::max())
            return PropertyValue(std::int32_t(n));
        if (ok) {
            Fail(error, QStringLiteral("number out of range: ") + literal.toString());
            return std::nullopt;
        }
    }
    Fail(error, QStringLiteral("not a number: ") + literal.toString());
    return std::nullopt;
}

std::optional<PropertyValue> ParseColor(QStringView text, qsizetype& pos, QString* error) {
    pos += 2; // "&H"
    const qsizetype start = pos;
    auto isHex = [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    };
    while (pos < text.size() && pos - start < 9 && isHex(text[pos]))
        ++pos;
    const qsizetype digits = pos - start;
    if (digits < 1 || digits > 8) {
        Fail(error, QStringLiteral("a colour needs 1 to 8 hexadecimal digits"));
        return std::nullopt;
    }
    const std::uint32_t value = text.mid(start, digits).toUInt(nullptr, 16);
    if (pos < text.size() && text[pos] == QLatin1Char('&'))
        ++pos;
    return PropertyValue(ColorValue{value});
}

bool Expect(QStringView text, qsizetype& pos, QChar c, QString* error) {
    SkipSpaces(text, pos);
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return Fail(error, QStringLiteral("expected '%1'").arg(c));
}

std::optional<PropertyValue> ParseFont(QStringView text, qsizetype& pos, QString* error) {
    FontDesc font;
    if (!Expect(text, pos, QLatin1Char('('), error))
        return std::nullopt;
    SkipSpaces(text, pos);
    if (pos >= text.size() || text[pos] != QLatin1Char('"')) {
        Fail(error, QStringLiteral("Font( needs the face name first"));
        return std::nullopt;
    }
    const auto name = ParseString(text, pos, error);
    if (!name)
        return std::nullopt;
    font.name = *name;
    // Size, weight and charset, in that order.
    for (int field = 0; field < 3; ++field) {
        if (!Expect(text, pos, QLatin1Char(','), error))
            return std::nullopt;
        SkipSpaces(text, pos);
        const auto number = ParseNumber(text, pos, error);
        if (!number)
            return std::nullopt;
        const double value = std::holds_alternative<double>(*number)
                                 ? std::get<double>(*number)
                                 : double(std::get<std::int32_t>(*number));
        if (field == 0)
            font.size = value;
        else if (field == 1)
            font.weight = int(value);
        else
            font.charset = int(value);
    }
    for (;;) {
        SkipSpaces(text, pos);
        if (pos < text.size() && text[pos] == QLatin1Char(')')) {
            ++pos;
            return PropertyValue(font);
        }
        if (!Expect(text, pos, QLatin1Char(','), error))
            return std::nullopt;
        SkipSpaces(text, pos);
        const QStringView word = ReadWord(text, pos);
        if (word.compare(QLatin1String("Italic"), Qt::CaseInsensitive) == 0)
            font.italic = true;
        else if (word.compare(QLatin1String("Underline"), Qt::CaseInsensitive) == 0)
            font.underline = true;
        else if (word.compare(QLatin1String("Strikethrough"), Qt::CaseInsensitive) == 0)
            font.strikethrough = true;
        else {
            Fail(error, QStringLiteral("unknown font style '%1'").arg(word.toString()));
            return std::nullopt;
        }
    }
}

std::optional<PropertyValue> ParsePicture(QStringView text, qsizetype& pos, QString* error) {
    if (!Expect(text, pos, QLatin1Char('('), error))
        return std::nullopt;
    SkipSpaces(text, pos);
    PictureRef ref;
    if (pos < text.size() && text[pos] == QLatin1Char('"')) {
        const auto source = ParseString(text, pos, error);
        if (!source)
            return std::nullopt;
        ref.source = *source;
    }
    if (!Expect(text, pos, QLatin1Char(')'), error))
        return std::nullopt;
    return PropertyValue(ref);
}

} // namespace

QString Format(const PropertyValue& value) {
    return std::visit(
        [](const auto& v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return QStringLiteral("Nothing");
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? QStringLiteral("True") : QStringLiteral("False");
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return QString::number(v);
            } else if constexpr (std::is_same_v<T, double>) {
                QString s = QString::number(v, 'g', 15);
                if (!s.contains(QLatin1Char('.')) && !s.contains(QLatin1Char('e')))
                    s += QLatin1String(".0");
                return s;
            } else if constexpr (std::is_same_v<T, QString>) {
                return Quote(v);
            } else if constexpr (std::is_same_v<T, ColorValue>) {
                return QStringLiteral("&H%1&").arg(v.value, 8, 16, QLatin1Char('0')).toUpper();
            } else if constexpr (std::is_same_v<T, FontDesc>) {
                QString s = QStringLiteral("Font(%1, %2, %3, %4")
                                .arg(Quote(v.name), QString::number(v.size, 'g', 15))
                                .arg(v.weight)
                                .arg(v.charset);
                if (v.italic)
                    s += QLatin1String(", Italic");
                if (v.underline)
                    s += QLatin1String(", Underline");
                if (v.strikethrough)
                    s += QLatin1String(", Strikethrough");
                return s + QLatin1Char(')');
            } else {
                static_assert(std::is_same_v<T, PictureRef>);
                return v.source.isEmpty() ? QStringLiteral("Picture()")
                                          : QStringLiteral("Picture(%1)").arg(Quote(v.source));
            }
        },
        value);
}

std::optional<PropertyValue> Parse(QStringView text, qsizetype& pos, QString* error) {
    SkipSpaces(text, pos);
    if (pos >= text.size()) {
        Fail(error, QStringLiteral("value missing"));
        return std::nullopt;
    }
    const QChar c = text[pos];
    if (c == QLatin1Char('"')) {
        const auto s = ParseString(text, pos, error);
        if (!s)
            return std::nullopt;
        return PropertyValue(*s);
    }
    if (c == QLatin1Char('&') && pos + 1 < text.size() &&
        (text[pos + 1] == QLatin1Char('H') || text[pos + 1] == QLatin1Char('h')))
        return ParseColor(text, pos, error);
    if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+'))
        return ParseNumber(text, pos, error);
    const qsizetype start = pos;
    const QStringView word = ReadWord(text, pos);
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return PropertyValue(true);
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return PropertyValue(false);
    if (word.compare(QLatin1String("Nothing"), Qt::CaseInsensitive) == 0)
        return PropertyValue(std::monostate{});
    if (word.compare(QLatin1String("Font"), Qt::CaseInsensitive) == 0)
        return ParseFont(text, pos, error);
    if (word.compare(QLatin1String("Picture"), Qt::CaseInsensitive) == 0)
        return ParsePicture(text, pos, error);
    pos = start;
    Fail(error,
         QStringLiteral("unknown value '%1'").arg(word.isEmpty() ? QString(c) : word.toString()));
    return std::nullopt;
}

std::optional<PropertyValue> ParseAll(QStringView text, QString* error) {
    qsizetype pos = 0;
    auto value = Parse(text, pos, error);
    if (!value)
        return std::nullopt;
    SkipSpaces(text, pos);
    if (pos != text.size()) {
        Fail(error, QStringLiteral("unexpected text after the value"));
        return std::nullopt;
    }
    return value;
}

} // namespace PropertyText
