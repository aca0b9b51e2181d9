#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

// The rows of one SELECT, held in memory once the statement has run.
// Behaves like a forward/backward recordset: a current row, end-of-file and
// beginning-of-file tests, fields by name or position (a Null field is an
// invalid QVariant). Like the engine it stands in for, the record count only
// covers the rows reached so far; moving to the last row completes it.
class Recordset {
public:
    Recordset() = default;
    Recordset(QStringList names, std::vector<QVariant> cells);

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
    const QVariant& field(int index) const;
    const QVariant& field(const QString& name) const;
    bool isNull(int index) const { return field(index).isNull(); }
    bool isNull(const QString& name) const { return field(name).isNull(); }
    // Position of a field by name (case-insensitive), -1 when absent.
    int fieldIndex(const QString& name) const;

    void close();

private:
    void reach();

    QStringList names_;
    std::vector<QVariant> cells_;
    int rowCount_ = 0;
    int pos_ = 0;
    int reached_ = 0;
};
