#include "FormLayout.h"

#include "PropertyText.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

bool IsKey(QStringView a, const char* b) {
    return a.compare(QLatin1StringView(b), Qt::CaseInsensitive) == 0;
}

bool Fail(QString* error, int line, const QString& message) {
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(message);
    return false;
}

// The first space-separated word of a trimmed line.
QStringView FirstWord(QStringView line) {
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    return space < 0 ? line : line.left(space);
}

// "cmdK(1)" -> name cmdK, index 1; "cmdNext" -> index -1.
bool SplitName(QStringView text, QString& name, int& index) {
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0) {
        name = text.toString();
        index = -1;
        return !name.isEmpty();
    }
    if (!text.endsWith(QLatin1Char(')')))
        return false;
    name = text.left(open).trimmed().toString();
    bool ok = false;
    index = text.mid(open + 1, text.size() - open - 2).trimmed().toInt(&ok);
    return ok && index >= 0 && !name.isEmpty();
}

bool ParseAssignment(QStringView line, QStringView& key, PropertyValue& value, QString& why) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) {
        why = QStringLiteral("expected 'Key = value'");
        return false;
    }
    key = line.left(eq).trimmed();
    if (key.isEmpty()) {
        why = QStringLiteral("key missing");
        return false;
    }
    const QStringView rest = line.mid(eq + 1);
    qsizetype pos = 0;
    auto parsed = PropertyText::Parse(rest, pos, &why);
    if (!parsed)
        return false;
    const QStringView tail = rest.mid(pos).trimmed();
    if (!tail.isEmpty() && !tail.startsWith(QLatin1Char('#'))) {
        why = QStringLiteral("unexpected text after the value: ") + tail.toString();
        return false;
    }
    value = *parsed;
    return true;
}

// The keys a button entry keeps outside its property bag.
enum class EntryKey { Other, Left, Top, Width, Height, Container, Visible };

EntryKey ClassifyKey(QStringView key) {
    static constexpr std::pair<const char*, EntryKey> kKeys[] = {
        {"Left", EntryKey::Left},           {"Top", EntryKey::Top},
        {"Width", EntryKey::Width},         {"Height", EntryKey::Height},
        {"Container", EntryKey::Container}, {"Visible", EntryKey::Visible}};
    for (const auto& [name, kind] : kKeys) {
        if (IsKey(key, name))
            return kind;
    }
    return EntryKey::Other;
}

} // namespace

// A layout is read at every start of its window, so the text is walked as
// views into the one string rather than copied line by line.
std::optional<FormLayout> FormLayout::Parse(const QString& text, QString* error) {
    FormLayout layout;
    ButtonEntry* current = nullptr;
    int lineNo = 0;
    const QStringView all(text);
    qsizetype from = 0;
    while (from <= all.size()) {
        qsizetype to = all.indexOf(QLatin1Char('\n'), from);
        if (to < 0)
            to = all.size();
        const QStringView line = all.mid(from, to - from).trimmed();
        from = to + 1;
        ++lineNo;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringView first = FirstWord(line);
        const bool assignment = line.contains(QLatin1Char('='));

        if (!assignment && IsKey(first, "Form")) {
            if (current) {
                Fail(error, lineNo, QStringLiteral("Form inside a button"));
                return std::nullopt;
            }
            layout.formName = line.mid(first.size()).trimmed().toString();
            continue;
        }
        if (!assignment && IsKey(first, "Begin")) {
            if (current) {
                Fail(error, lineNo, QStringLiteral("Begin before the End of the last button"));
                return std::nullopt;
            }
            const QStringView rest = line.mid(first.size()).trimmed();
            const QStringView type = FirstWord(rest);
            if (!IsKey(type, "StyleButton")) {
                Fail(error, lineNo, QStringLiteral("only StyleButton can be stored"));
                return std::nullopt;
            }
            ButtonEntry entry;
            const QStringView nameText = rest.mid(type.size()).trimmed();
            if (!SplitName(nameText, entry.name, entry.index)) {
                Fail(error, lineNo,
                     QStringLiteral("bad button name '%1'").arg(nameText.toString()));
                return std::nullopt;
            }
            if (layout.Find(entry.name, entry.index)) {
                Fail(error, lineNo, QStringLiteral("%1 appears twice").arg(entry.DisplayName()));
                return std::nullopt;
            }
            layout.buttons.append(entry);
            current = &layout.buttons.last();
            continue;
        }
        if (line.size() == first.size() && IsKey(first, "End")) {
            if (!current) {
                Fail(error, lineNo, QStringLiteral("End without Begin"));
                return std::nullopt;
            }
            current = nullptr;
            continue;
        }

        QStringView key;
        QString why;
        PropertyValue value;
        if (!ParseAssignment(line, key, value, why)) {
            Fail(error, lineNo, why);
            return std::nullopt;
        }
        if (!current) {
            layout.formProperties.Set(key.toString(), value);
            continue;
        }
        switch (const EntryKey kind = ClassifyKey(key)) {
        case EntryKey::Left:
        case EntryKey::Top:
        case EntryKey::Width:
        case EntryKey::Height: {
            const auto* number = std::get_if<std::int32_t>(&value);
            if (!number) {
                Fail(error, lineNo,
                     QStringLiteral("%1 needs a whole number of twips").arg(key.toString()));
                return std::nullopt;
            }
            int& field = kind == EntryKey::Left    ? current->left
                         : kind == EntryKey::Top   ? current->top
                         : kind == EntryKey::Width ? current->width
                                                   : current->height;
            field = *number;
            break;
        }
        case EntryKey::Container: {
            const auto* name = std::get_if<QString>(&value);
            if (!name) {
                Fail(error, lineNo, QStringLiteral("Container needs the name of a frame"));
                return std::nullopt;
            }
            current->container = *name;
            break;
        }
        case EntryKey::Visible: {
            const auto* flag = std::get_if<bool>(&value);
            if (!flag) {
                Fail(error, lineNo, QStringLiteral("Visible needs True or False"));
                return std::nullopt;
            }
            current->visible = *flag;
            break;
        }
        case EntryKey::Other:
            current->properties.Set(key.toString(), value);
            break;
        }
    }
    if (current) {
        Fail(error, lineNo, QStringLiteral("%1 has no End").arg(current->DisplayName()));
        return std::nullopt;
    }
    return layout;
}

std::optional<FormLayout> FormLayout::Load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1); // a byte-order mark some editors write
    QString why;
    auto layout = Parse(text, &why);
    if (!layout && error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return layout;
}

QString FormLayout::ToText() const {
    QString out;
    const QString indent = QStringLiteral("    ");
    const QString formIndent = formName.isEmpty() ? QString() : indent;
    if (!formName.isEmpty())
        out += QStringLiteral("Form ") + formName + QLatin1Char('\n');
    for (const auto& entry : formProperties.Entries())
        out += formIndent + entry.key + QStringLiteral(" = ") + PropertyText::Format(entry.value) +
               QLatin1Char('\n');
    for (const ButtonEntry& button : buttons) {
        out += QStringLiteral("Begin StyleButton ") + button.DisplayName() + QLatin1Char('\n');
        if (!button.container.isEmpty())
            out += indent + QStringLiteral("Container = ") +
                   PropertyText::Format(button.container) + QLatin1Char('\n');
        out += indent + QStringLiteral("Left = %1\n").arg(button.left);
        out += indent + QStringLiteral("Top = %1\n").arg(button.top);
        out += indent + QStringLiteral("Width = %1\n").arg(button.width);
        out += indent + QStringLiteral("Height = %1\n").arg(button.height);
        if (!button.visible)
            out += indent + QStringLiteral("Visible = False\n");
        for (const auto& entry : button.properties.Entries())
            out += indent + entry.key + QStringLiteral(" = ") + PropertyText::Format(entry.value) +
                   QLatin1Char('\n');
        out += QStringLiteral("End\n");
    }
    return out;
}

bool FormLayout::Save(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ToText().toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

ButtonAmbient FormLayout::AmbientFor(const ButtonEntry& entry, bool userMode) const {
    ButtonAmbient ambient;
    ambient.displayName = entry.DisplayName();
    ambient.font = formProperties.ReadFont("Font", ambient.font);
    ambient.backColor = formProperties.ReadColor("BackColor", ambient.backColor);
    ambient.userMode = userMode;
    return ambient;
}

const ButtonEntry* FormLayout::Find(const QString& name, int index) const {
    for (const ButtonEntry& entry : buttons) {
        if (entry.index == index && entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}
