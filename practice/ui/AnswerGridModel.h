#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>
#include <cstdint>
#include <vector>

// The cells of the answer sheet: text, background, text colour and
// strike-through per cell. Colours are 0x00BBGGRR values (system colours
// allowed), resolved when shown. While redrawing is off, cell changes are
// collected and shown in one go when it is switched back on.
class AnswerGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr std::uint32_t kDefault = 0xFFFFFFFFu; // "use the grid's colour"

    struct Cell {
        QString text;
        std::uint32_t back = kDefault;
        std::uint32_t fore = kDefault;
        bool strike = false;
    };

    explicit AnswerGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // Fewer rows drop their cells; 0 rows clears every cell.
    void setRows(int rows);
    void setCols(int cols);

    const Cell& cell(int row, int col) const;
    Cell& cellForWrite(int row, int col);
    void cellChanged(int row, int col);

    std::uint32_t foreColor() const { return foreColor_; }
    void setForeColor(std::uint32_t colour);
    std::uint32_t backColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour);

    bool redraw() const { return redraw_; }
    void setRedraw(bool on);

    // A font for the cells, with strike-through applied per cell.
    void setFont(const QFont& font);

private:
    int rows_ = 0;
    int cols_ = 0;
    std::vector<Cell> cells_;
    std::uint32_t foreColor_ = 0x800000;   // navy
    std::uint32_t backColor_ = 0x80000005; // window background
    bool redraw_ = true;
    bool pending_ = false;
    QFont struck_;
    QFont plain_;
};
