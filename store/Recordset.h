#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>
#include <vector>

// The rows of one SELECT, held in memory once the statement has run.
// Behaves like a forward/backward recordset: a current row, end-of-file and
// beginning-of-file tests, fields by name or position (a Null field is an
// invalid QVariant). Like the engine it stands in for, the record count only
// covers the rows reached so far; moving to the last row completes it.
//
// Text is kept as the engine's UTF-8 bytes in one buffer and becomes a
// QString only when a field is read: a load reads a few columns of many rows.
class Recordset {
public:
    Recordset() = default;
    explicit Recordset(QStringList names);
    Recordset(QStringList names, const std::vector<QVariant>& cells);

    // Filling, row by row and column by column; finish() ends it.
    void appendNull();
    void appendInteger(qint64 value);
    void appendDouble(double value);
    void appendText(const char* utf8, int bytes);
    void appendBlob(const void* data, int bytes);
    void appendVariant(const QVariant& value);
    void finish();

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    bool eof() const { return rowCount_ == 0 || pos_ >= rowCount_; }
    bool bof() const { return rowCount_ == 0 || pos_ < 0; }

    int recordCount() const { return reached_; }
    int fieldCount() const { return int(names_.size()); }
    QString fieldName(int index) const { return names_.value(index); }

    // Throws StoreError when there is no current row or no such field.
    QVariant field(int index) const;
    QVariant field(const QString& name) const;
    bool isNull(int index) const;
    bool isNull(const QString& name) const { return isNull(fieldIndexOrThrow(name)); }
    // The field as text (empty for Null) or as a whole number (0 for Null or
    // text that is not one), without the QVariant between: a question set
    // reads some ten fields of every question.
    QString text(int index) const;
    qint64 integer(int index) const;
    // Position of a field by name (case-insensitive), -1 when absent.
    int fieldIndex(const QString& name) const;
    int fieldIndexOrThrow(const QString& name) const;

    void close();

private:
    enum class Kind : unsigned char { Null, Integer, Double, Text, Blob };
    // 16 bytes: a load holds some 14 cells a question.
    struct Cell {
        qint64 value = 0; // the integer, the double's bits, or the offset of text and blobs
        qint32 bytes = 0;
        Kind kind = Kind::Null;
    };
    const Cell& current(int index) const;
    void reach();

    QStringList names_;
    std::vector<Cell> cells_;
    std::string bytes_;
    int rowCount_ = 0;
    int pos_ = 0;
    int reached_ = 0;
};
