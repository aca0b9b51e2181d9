#pragma once

#include "FrameBox.h"

#include <array>

class QLabel;

// The description panel `fraDescr` ("软件说明"): what the trainer offers,
// an introduction and a request to recommend it. It takes the question
// area's place while no mode runs.
class DescriptionPanel : public FrameBox {
    Q_OBJECT
public:
    explicit DescriptionPanel(QWidget* parent);

    // The introduction, the numbered features, the thanks.
    std::array<QLabel*, 3> lblDescr;
};
