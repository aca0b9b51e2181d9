// The windows' font skips text shaping; Chinese text must look exactly as
// it does when shaped, or the shortcut would change what the learner reads.
#include "AppFonts.h"

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QImage drawn(const QFont& font, const QString& text) {
    QImage image(900, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0x80));
    p.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return image;
}

} // namespace

TEST(AppFonts, ChineseTextLooksTheSameWithoutShaping) {
    const QStringList texts = {
        QStringLiteral("车型选择顺序练习随机练习章节练习错题练习模拟考试学车交流软件说明"),
        QStringLiteral("当前题已答题未答题计时您的答案"),
        QStringLiteral("驾驶机动车在高速公路上行驶，遇到雾、雨、雪等低能见度天气时，应当怎样做？"),
        QStringLiteral("，。、；：？！“”‘’（）《》【】—…·"),
        QStringLiteral("机动车驾驶人违反道路交通安全法律、法规关于道路通行规定的行为。"),
    };
    for (const auto& [points, bold] :
         {std::pair{7.5, false}, std::pair{10.5, false}, std::pair{11.0, false},
          std::pair{12.0, true}, std::pair{15.0, true}}) {
        const QFont fast = AppFonts::song(points, bold);
        ASSERT_TRUE(fast.styleStrategy() & QFont::PreferNoShaping);
        QFont shaped = fast;
        shaped.setStyleStrategy(QFont::PreferDefault);
        for (const QString& text : texts)
            EXPECT_EQ(drawn(fast, text), drawn(shaped, text))
                << points << (bold ? " bold: " : ": ") << text.toStdString();
    }
}
