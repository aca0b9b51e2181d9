#include "Mod.h"

#include "JetDialect.h"
#include "StoreKey.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStringList>
#include <QThread>
#include <QTimer>

namespace Mod {

Database db;

namespace {
QString& programFolder() {
    static QString folder;
    return folder;
}
QString& lastOpenError() {
    static QString error;
    return error;
}
} // namespace

QString ProgramFolder() {
    if (programFolder().isEmpty() && QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return programFolder();
}

void SetProgramFolder(const QString& folder) {
    programFolder() = folder;
}

QString StorePath() {
    return QDir(ProgramFolder()).filePath(QStringLiteral("images/movra.dll"));
}

bool OpenBankFile(Database& store, const QString& path, QString* error) {
    // A bank built with our salt opens with the key derived in advance. Any
    // other file fails that at its first page, and the passphrase decides:
    // the failed try costs far less than reading the salt first each start.
    if (store.openRaw(path, QString::fromLatin1(StoreKey::derivedKey().toHex())))
        return true;
    return store.open(path, StoreKey::kPassphrase, error);
}

namespace {

// A file that opens but lacks the program's tables (an empty file opens as
// an empty database) is no bank: nothing could be practised or kept in it.
QString MissingTables(Database& store) {
    QStringList missing;
    for (const char* table : {"paper", "record", "param"}) {
        const Recordset rs = store.queryNative(
            QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name='%1'")
                .arg(QLatin1String(table)));
        if (rs.eof())
            missing << QLatin1String(table);
    }
    return missing.join(QStringLiteral(", "));
}

} // namespace

bool OpenStore(Database& store) {
    const QString path = StorePath();
    QString error;
    if (OpenBankFile(store, path, &error)) {
        QString missing;
        try {
            missing = MissingTables(store);
        } catch (const std::exception& e) {
            missing = QString::fromUtf8(e.what());
        }
        if (missing.isEmpty()) {
            lastOpenError().clear();
            return true;
        }
        store.close();
        error = QStringLiteral("不是题库文件，缺少表 ") + missing;
    }
    lastOpenError() = path + QStringLiteral(": ") + error;
    return false;
}

QString LastOpenError() {
    return lastOpenError();
}

int GetRecordCount(Recordset& rs) {
    if (rs.recordCount() > 0) {
        rs.moveLast();
        rs.moveFirst();
    }
    return rs.recordCount();
}

void Wait(int ms) {
    if (ms <= 0)
        return;
    if (!QCoreApplication::instance()) {
        QThread::msleep(unsigned(ms)); // no events to keep running
        return;
    }
    QElapsedTimer clock;
    clock.start();
    // A nested loop that sleeps until events arrive or the time is up, rather
    // than spinning on the tick counter.
    while (clock.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(int(ms - clock.elapsed()), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

QString GetParam(const QString& key, const QString& defaultValue) {
    QString result;
    try {
        Recordset rs =
            db.openRecordset(QStringLiteral("select paramvalue from param where paramid='") +
                             JetDialect::quote(key) + u'\'');
        const QVariant& value = rs.field(0);
        result = value.isNull() ? defaultValue : value.toString();
    } catch (const std::exception&) {
        // A key without a row, or a store that fails, reads as an empty text.
    }
    return result;
}

void SetParam(const QString& key, const QString& value) {
    const QString k = JetDialect::quote(key), v = JetDialect::quote(value);
    db.execute(QStringLiteral("insert into param(paramid,paramvalue) values('") + k +
               QStringLiteral("','") + v + QStringLiteral("')"));
    if (db.recordsAffected() == 0)
        db.execute(QStringLiteral("update param set paramvalue='") + v +
                   QStringLiteral("' where paramid='") + k + u'\'');
}

} // namespace Mod
