#pragma once

#include <QDialog>
#include <optional>

#include "FormButtons.h"

class FrameBox;
class QLabel;
class StyleButton;

// The notice before the mock examination: what it holds and how it is
// passed. The examination starts however the notice is closed.
class frmExam : public QDialog {
    Q_OBJECT
public:
    explicit frmExam(QWidget* parent = nullptr);

    // Fills the notice for a vehicle code and shows it modally.
    void Exam(const QString& examType);

    FrameBox* Frame1;
    QLabel* lblExam;
    StyleButton* cmdNext;

private:
    std::optional<FormButtons> buttons_;
};
