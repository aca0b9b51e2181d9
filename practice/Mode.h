#pragma once

#include <QtGlobal>

// The modes of the menu, by the index of the menu button that starts them.
enum class Mode : qint16 {
    CarType = 0,    // 车型选择
    Sequential = 1, // 顺序练习
    Random = 2,     // 随机练习
    Chapter = 3,    // 章节练习
    WrongBook = 4,  // 错题练习
    Exam = 5,       // 模拟考试
    Forum = 6,      // 学车交流
    About = 7,      // 软件说明
};

constexpr int kModeCount = 8;

inline Mode ModeOf(int index) {
    return static_cast<Mode>(index);
}
inline int IndexOf(Mode mode) {
    return static_cast<int>(mode);
}
