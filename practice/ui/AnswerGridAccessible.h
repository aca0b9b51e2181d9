#pragma once

#include <QAccessibleWidget>

class AnswerGrid;

// What a screen reader learns of the answer sheet: a table named after it,
// whose value is the number in the current cell. The sheet announces a
// change of that value as the current cell moves.
class AnswerGridAccessible : public QAccessibleWidget {
public:
    explicit AnswerGridAccessible(AnswerGrid* grid);

    QString text(QAccessible::Text t) const override;

    // Makes the sheets known to the accessibility framework; done once.
    static void install();

    static constexpr const char* kName = "答题卡";

private:
    AnswerGrid* grid() const;
};
