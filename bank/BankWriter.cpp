#include "BankWriter.h"

#include "BankChecks.h"
#include "Database.h"
#include "Mod.h"
#include "StoreError.h"
#include "StoreKey.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

const QString BankWriter::kFileName = QStringLiteral("movra.dll");

namespace {

const char* kSchema = R"(
CREATE TABLE paper(
    id INTEGER PRIMARY KEY,
    type INTEGER NOT NULL,
    question TEXT NOT NULL,
    an1 TEXT, an2 TEXT, an3 TEXT, an4 TEXT,
    answertrue INTEGER NOT NULL,
    ImageUrl TEXT,
    licensetype TEXT,
    chap TEXT,
    strtype TEXT,
    errpaper INTEGER NOT NULL DEFAULT 0,
    explain TEXT);
CREATE TABLE record(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    num INTEGER,
    recordtime TEXT);
CREATE INDEX record_recordtime ON record(recordtime);
CREATE TABLE param(
    paramid TEXT PRIMARY KEY,
    paramvalue TEXT);
INSERT INTO param(paramid, paramvalue) VALUES('上次顺序练习最后一题', NULL);
INSERT INTO param(paramid, paramvalue) VALUES('考试车型', NULL);
)";

void bindText(sqlite3_stmt* stmt, int index, const QString& text, bool nullWhenEmpty) {
    if (nullWhenEmpty && text.isEmpty()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// The learner's data in an existing bank, carried into the new one.
struct Kept {
    QList<qint64> wrongIds;
    QList<QVariantList> records;
    QList<QVariantList> params;
};

Kept readKept(const QString& path) {
    Kept kept;
    if (!QFileInfo::exists(path))
        return kept;
    Database old;
    if (!Mod::OpenBankFile(old, path))
        return kept;
    try {
        Recordset rs = old.queryNative(QStringLiteral("SELECT id FROM paper WHERE errpaper<>0"));
        for (; !rs.eof(); rs.moveNext())
            kept.wrongIds << rs.field(0).toLongLong();
        rs = old.queryNative(QStringLiteral("SELECT id, num, recordtime FROM record"));
        for (; !rs.eof(); rs.moveNext())
            kept.records << QVariantList{rs.field(0), rs.field(1), rs.field(2)};
        rs = old.queryNative(QStringLiteral("SELECT paramid, paramvalue FROM param"));
        for (; !rs.eof(); rs.moveNext())
            kept.params << QVariantList{rs.field(0), rs.field(1)};
    } catch (const StoreError&) {
        return Kept();
    }
    return kept;
}

void run(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string why = message ? message : "error";
        sqlite3_free(message);
        throw StoreError(why);
    }
}

void bindVariant(sqlite3_stmt* stmt, int index, const QVariant& v) {
    if (v.isNull())
        sqlite3_bind_null(stmt, index);
    else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
        sqlite3_bind_int64(stmt, index, v.toLongLong());
    else
        bindText(stmt, index, v.toString(), false);
}

void stepAndReset(sqlite3* db, sqlite3_stmt* stmt) {
    if (sqlite3_step(stmt) != SQLITE_DONE)
        throw StoreError(sqlite3_errmsg(db));
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
}

sqlite3_stmt* prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw StoreError(sqlite3_errmsg(db));
    return stmt;
}

} // namespace

bool BankWriter::writeBank(const QList<BankQuestion>& questions, const QString& outFolder,
                           QString* error) {
    if (!QDir().mkpath(outFolder)) {
        *error = QStringLiteral("无法创建目录 %1").arg(outFolder);
        return false;
    }
    const QString target = QDir(outFolder).filePath(kFileName);
    const QString temp = target + QStringLiteral(".new");
    QFile::remove(temp);
    const Kept kept = readKept(target);

    {
        Database db;
        QString why;
        if (!db.createRaw(temp, StoreKey::rawKeyWithSalt(), &why)) {
            *error = temp + QStringLiteral(": ") + why;
            return false;
        }
        sqlite3* h = db.handle();
        sqlite3_stmt* insert = nullptr;
        try {
            run(h, "BEGIN");
            run(h, kSchema);
            insert = prepare(h, "INSERT INTO paper(id, type, question, an1, an2, an3, an4, "
                                "answertrue, ImageUrl, licensetype, chap, strtype, errpaper, "
                                "explain) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
            const QSet<qint64> wrong(kept.wrongIds.begin(), kept.wrongIds.end());
            for (const BankQuestion& q : questions) {
                sqlite3_bind_int64(insert, 1, q.id);
                sqlite3_bind_int(insert, 2, q.type);
                bindText(insert, 3, q.question, false);
                for (int i = 0; i < 4; ++i)
                    bindText(insert, 4 + i, q.an[i], !q.hasOption[i]);
                sqlite3_bind_int(insert, 8, q.answertrue);
                bindText(insert, 9, q.imageUrl, true);
                bindText(insert, 10, q.licensetype, false);
                bindText(insert, 11, q.chap, false);
                bindText(insert, 12, q.strtype, false);
                sqlite3_bind_int(insert, 13, wrong.contains(q.id) ? 1 : 0);
                bindText(insert, 14, q.explain, true);
                stepAndReset(h, insert);
            }
            sqlite3_finalize(insert);
            insert = prepare(h, "INSERT INTO record(id, num, recordtime) VALUES(?,?,?)");
            for (const QVariantList& r : kept.records) {
                for (int i = 0; i < 3; ++i)
                    bindVariant(insert, i + 1, r[i]);
                stepAndReset(h, insert);
            }
            sqlite3_finalize(insert);
            insert = prepare(h, "INSERT OR REPLACE INTO param(paramid, paramvalue) VALUES(?,?)");
            for (const QVariantList& p : kept.params) {
                bindVariant(insert, 1, p[0]);
                bindVariant(insert, 2, p[1]);
                stepAndReset(h, insert);
            }
            sqlite3_finalize(insert);
            insert = nullptr;
            run(h, "COMMIT");
        } catch (const StoreError& e) {
            if (insert)
                sqlite3_finalize(insert);
            db.close();
            QFile::remove(temp);
            *error = temp + QStringLiteral(": ") + QString::fromUtf8(e.what());
            return false;
        }
    }
    QFile::remove(target);
    if (!QFile::rename(temp, target)) {
        *error = QStringLiteral("无法写入 %1").arg(target);
        return false;
    }
    return true;
}

QList<BankFault> BankWriter::renderPicture(const QString& source, const QString& pngPath,
                                           QSize limit) {
    QImage image;
    if (source.endsWith(QStringLiteral(".svg"))) {
        QSvgRenderer renderer(source);
        if (!renderer.isValid())
            return {{source, 0, QStringLiteral("无法读取 SVG 图片")}};
        const QSize size = renderer.defaultSize();
        if (size.isEmpty())
            return {{source, 0, QStringLiteral("SVG 图片缺少 width 和 height")}};
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    } else if (!image.load(source)) {
        return {{source, 0, QStringLiteral("无法读取 PNG 图片")}};
    }
    if (!limit.isEmpty() && (image.width() > limit.width() || image.height() > limit.height()))
        return {{source, 0,
                 QStringLiteral("图片 %1×%2 太大，最大 %3×%4")
                     .arg(image.width())
                     .arg(image.height())
                     .arg(limit.width())
                     .arg(limit.height())}};
    if (!image.save(pngPath, "PNG"))
        return {{pngPath, 0, QStringLiteral("无法写入图片")}};
    return {};
}

QList<BankFault> BankWriter::writePictures(const QList<BankQuestion>& questions,
                                           const QString& picturesFolder,
                                           const QString& outFolder) {
    QList<BankFault> faults;
    QDir().mkpath(outFolder);
    QSet<QString> done;
    for (const BankQuestion& q : questions) {
        if (q.imageUrl.isEmpty() || done.contains(q.imageUrl))
            continue;
        done.insert(q.imageUrl);
        const QString source = BankChecks::pictureSource(picturesFolder, q.imageUrl);
        if (source.isEmpty())
            continue; // reported by the checks
        faults += renderPicture(source, QDir(outFolder).filePath(q.imageUrl));
    }
    return faults;
}
