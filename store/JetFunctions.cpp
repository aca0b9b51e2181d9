#include "JetFunctions.h"

#include <sqlcipher/sqlite3.h>

namespace JetFunctions {

namespace {

std::function<QDateTime()>& clockFunction() {
    static std::function<QDateTime()> clock;
    return clock;
}

// Decodes one UTF-8 character at *p and advances; malformed bytes count as
// one character each, so matching never stops in the middle of a sequence.
unsigned nextChar(const unsigned char*& p) {
    unsigned c = *p++;
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    unsigned value = c & (0x3F >> extra);
    while (extra-- > 0 && (*p & 0xC0) == 0x80)
        value = (value << 6) | (*p++ & 0x3F);
    return value;
}

unsigned fold(unsigned c) {
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

// Matches a [list] at *p against c; *p is just past '['. Advances past ']'.
// Returns -1 when the list is not closed (then '[' is an ordinary character).
int matchList(const unsigned char*& p, unsigned c) {
    const unsigned char* q = p;
    bool negate = false;
    if (*q == '!') {
        negate = true;
        ++q;
    }
    bool hit = false;
    bool first = true;
    while (*q && (*q != ']' || first)) {
        first = false;
        unsigned lo = nextChar(q);
        unsigned hi = lo;
        if (*q == '-' && q[1] && q[1] != ']') {
            ++q;
            hi = nextChar(q);
        }
        if (fold(c) >= fold(lo) && fold(c) <= fold(hi))
            hit = true;
    }
    if (*q != ']')
        return -1;
    p = q + 1;
    return hit != negate ? 1 : 0;
}

bool match(const unsigned char* p, const unsigned char* s, unsigned escape) {
    while (*p) {
        const unsigned char* before = p;
        unsigned pc = nextChar(p);
        if (escape && pc == escape && *p) {
            unsigned literal = nextChar(p);
            if (!*s || fold(nextChar(s)) != fold(literal))
                return false;
            continue;
        }
        if (pc == '*') {
            while (*p == '*')
                ++p;
            if (!*p)
                return true;
            while (*s) {
                if (match(p, s, escape))
                    return true;
                nextChar(s);
            }
            return false;
        }
        if (!*s)
            return false;
        unsigned sc = nextChar(s);
        if (pc == '?')
            continue;
        if (pc == '#') {
            if (sc < '0' || sc > '9')
                return false;
            continue;
        }
        if (pc == '[') {
            const unsigned char* list = p;
            int r = matchList(list, sc);
            if (r >= 0) {
                if (r == 0)
                    return false;
                p = list;
                continue;
            }
            p = before + 1; // unclosed: a literal '['
        }
        if (fold(pc) != fold(sc))
            return false;
    }
    return *s == 0;
}

void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const unsigned char* pattern = sqlite3_value_text(argv[0]);
    const unsigned char* text = sqlite3_value_text(argv[1]);
    if (!pattern || !text) {
        sqlite3_result_null(ctx);
        return;
    }
    unsigned escape = 0;
    if (argc == 3) {
        const unsigned char* e = sqlite3_value_text(argv[2]);
        if (!e || !*e) {
            sqlite3_result_error(ctx, "ESCAPE 须为一个字符", -1);
            return;
        }
        escape = nextChar(e);
        if (*e) {
            sqlite3_result_error(ctx, "ESCAPE 须为一个字符", -1);
            return;
        }
    }
    sqlite3_result_int(ctx, match(pattern, text, escape) ? 1 : 0);
}

void nowFunction(sqlite3_context* ctx, int, sqlite3_value**) {
    const QByteArray text = formatDateTime(currentDateTime()).toUtf8();
    sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

QDateTime valueToDateTime(sqlite3_value* v) {
    const unsigned char* text = sqlite3_value_text(v);
    return text ? parseDateTime(QString::fromUtf8(reinterpret_cast<const char*>(text)))
                : QDateTime();
}

void dateDiffFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL || sqlite3_value_type(argv[2]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const unsigned char* interval = sqlite3_value_text(argv[0]);
    const QDateTime a = valueToDateTime(argv[1]);
    const QDateTime b = valueToDateTime(argv[2]);
    if (!a.isValid() || !b.isValid()) {
        sqlite3_result_error(ctx, "datediff: 无法识别的日期", -1);
        return;
    }
    qint64 result = 0;
    if (!interval ||
        !dateDiff(QString::fromUtf8(reinterpret_cast<const char*>(interval)), a, b, &result)) {
        sqlite3_result_error(ctx, "datediff: 无效的时间间隔", -1);
        return;
    }
    sqlite3_result_int64(ctx, result);
}

// Wall-clock fields of a local time, as if they were UTC: boundaries of
// hours and days are then counted as the clock on the wall shows them.
qint64 wallSeconds(const QDateTime& dt) {
    return QDateTime(dt.date(), dt.time(), Qt::UTC).toSecsSinceEpoch();
}

qint64 floorDiv(qint64 a, qint64 b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

bool like(const char* pattern, const char* text, unsigned escape) {
    return match(reinterpret_cast<const unsigned char*>(pattern),
                 reinterpret_cast<const unsigned char*>(text), escape);
}

bool dateDiff(const QString& intervalIn, const QDateTime& a, const QDateTime& b, qint64* out) {
    const QString interval = intervalIn.trimmed().toLower();
    const QDate da = a.date(), db = b.date();
    if (interval == u"d" || interval == u"y") {
        *out = da.daysTo(db);
    } else if (interval == u"w") {
        *out = da.daysTo(db) / 7;
    } else if (interval == u"ww") {
        // Sundays crossed: count week starts (Sunday) between the dates.
        auto weekIndex = [](const QDate& d) {
            return floorDiv(d.toJulianDay() - (d.dayOfWeek() % 7), 7);
        };
        *out = weekIndex(db) - weekIndex(da);
    } else if (interval == u"m") {
        *out = (db.year() - da.year()) * 12 + (db.month() - da.month());
    } else if (interval == u"q") {
        *out = (db.year() - da.year()) * 4 + ((db.month() - 1) / 3 - (da.month() - 1) / 3);
    } else if (interval == u"yyyy") {
        *out = db.year() - da.year();
    } else if (interval == u"h") {
        *out = floorDiv(wallSeconds(b), 3600) - floorDiv(wallSeconds(a), 3600);
    } else if (interval == u"n") {
        *out = floorDiv(wallSeconds(b), 60) - floorDiv(wallSeconds(a), 60);
    } else if (interval == u"s") {
        *out = wallSeconds(b) - wallSeconds(a);
    } else {
        return false;
    }
    return true;
}

QDateTime parseDateTime(const QString& textIn) {
    const QString text = textIn.trimmed();
    QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

QString formatDateTime(const QDateTime& dt) {
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void setClock(std::function<QDateTime()> clock) {
    clockFunction() = std::move(clock);
}

QDateTime currentDateTime() {
    const auto& clock = clockFunction();
    return clock ? clock() : QDateTime::currentDateTime();
}

int registerAll(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr,
                                        nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "like", 3, flags, nullptr, likeFunction, nullptr,
                                        nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "now", 0, SQLITE_UTF8, nullptr, nowFunction, nullptr,
                                        nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "datediff", 3, SQLITE_UTF8, nullptr, dateDiffFunction,
                                        nullptr, nullptr, nullptr);
    return rc;
}

} // namespace JetFunctions
