#pragma once

#include <QString>

namespace AccessKey {

// The access key of a caption: the character after the first single "&",
// in lower case ("&Save" -> "s", "a&&b&c" -> "c"); empty when there is none
// ("a&&b", "x&", "&"). Only the first "&" and, after a doubled one, the next
// "&" are looked at.
QString Of(const QString& caption);

} // namespace AccessKey
