#include "FormLayout.h"

#include "PropertyText.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

bool IsKey(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool Fail(QString* error, int line, const QString& message) {
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(message);
    return false;
}

// "cmdK(1)" -> name cmdK, index 1; "cmdNext" -> index -1.
bool SplitName(const QString& text, QString& name, int& index) {
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0) {
        name = text;
        index = -1;
        return !name.isEmpty();
    }
    if (!text.endsWith(QLatin1Char(')')))
        return false;
    name = text.left(open).trimmed();
    bool ok = false;
    index = text.mid(open + 1, text.size() - open - 2).trimmed().toInt(&ok);
    return ok && index >= 0 && !name.isEmpty();
}

bool ParseAssignment(const QString& line, QString& key, PropertyValue& value, QString& why) {
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
    const QStringView rest = QStringView(line).mid(eq + 1);
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

} // namespace

std::optional<FormLayout> FormLayout::Parse(const QString& text, QString* error) {
    FormLayout layout;
    ButtonEntry* current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString first = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);

        if (IsKey(first, "Form") && !line.contains(QLatin1Char('='))) {
            if (current) {
                Fail(error, lineNo, QStringLiteral("Form inside a button"));
                return std::nullopt;
            }
            layout.formName = line.mid(first.size()).trimmed();
            continue;
        }
        if (IsKey(first, "Begin") && !line.contains(QLatin1Char('='))) {
            if (current) {
                Fail(error, lineNo, QStringLiteral("Begin before the End of the last button"));
                return std::nullopt;
            }
            const QString rest = line.mid(first.size()).trimmed();
            const QString type = rest.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
            if (!IsKey(type, "StyleButton")) {
                Fail(error, lineNo, QStringLiteral("only StyleButton can be stored"));
                return std::nullopt;
            }
            ButtonEntry entry;
            const QString nameText = rest.mid(type.size()).trimmed();
            if (!SplitName(nameText, entry.name, entry.index)) {
                Fail(error, lineNo, QStringLiteral("bad button name '%1'").arg(nameText));
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
        if (IsKey(first, "End") && line.size() == first.size()) {
            if (!current) {
                Fail(error, lineNo, QStringLiteral("End without Begin"));
                return std::nullopt;
            }
            current = nullptr;
            continue;
        }

        QString key, why;
        PropertyValue value;
        if (!ParseAssignment(line, key, value, why)) {
            Fail(error, lineNo, why);
            return std::nullopt;
        }
        if (!current) {
            layout.formProperties.Set(key, value);
            continue;
        }
        const bool geometry =
            IsKey(key, "Left") || IsKey(key, "Top") || IsKey(key, "Width") || IsKey(key, "Height");
        if (geometry) {
            const auto* number = std::get_if<std::int32_t>(&value);
            if (!number) {
                Fail(error, lineNo, QStringLiteral("%1 needs a whole number of twips").arg(key));
                return std::nullopt;
            }
            if (IsKey(key, "Left"))
                current->left = *number;
            else if (IsKey(key, "Top"))
                current->top = *number;
            else if (IsKey(key, "Width"))
                current->width = *number;
            else
                current->height = *number;
        } else if (IsKey(key, "Container")) {
            const auto* name = std::get_if<QString>(&value);
            if (!name) {
                Fail(error, lineNo, QStringLiteral("Container needs the name of a frame"));
                return std::nullopt;
            }
            current->container = *name;
        } else if (IsKey(key, "Visible")) {
            const auto* flag = std::get_if<bool>(&value);
            if (!flag) {
                Fail(error, lineNo, QStringLiteral("Visible needs True or False"));
                return std::nullopt;
            }
            current->visible = *flag;
        } else {
            current->properties.Set(key, value);
        }
    }
    if (current) {
        Fail(error, int(lines.size()), QStringLiteral("%1 has no End").arg(current->DisplayName()));
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
