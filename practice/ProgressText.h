#pragma once

#include <QString>

#include "Mode.h"

// The statistics lines and the progress bar, from the first-answer counters.
namespace ProgressText {

// "首正率 66.67%" (in the examination "正确率 …").
QString Rate(Mode mode, qint32 rightCount, qint32 wrongCount);
// "正确/答题 2/3".
QString RightOfAnswered(qint32 rightCount, qint32 wrongCount);
// The answered part of a bar `fullWidth` pixels long.
int BarWidth(qint32 rightCount, qint32 wrongCount, qint32 paperCount, int fullWidth);

} // namespace ProgressText
