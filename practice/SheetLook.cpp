#include "SheetLook.h"

#include "PaperRecord.h"
#include "WindowColors.h"

SheetLook SheetLook::Left(const PaperRecord& q, bool examHidingAnswers) {
    SheetLook look;
    const bool answered = q.userAnswer != -1;
    look.back = answered ? WindowColors::kLightYellow : WindowColors::kWindowBack;
    look.textChanges = !examHidingAnswers;
    const bool wrong = answered && q.userAnswer != q.answerIndex;
    look.fore = wrong ? WindowColors::kRed : WindowColors::kNavy;
    look.strike = wrong;
    return look;
}
