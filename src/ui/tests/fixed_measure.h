#pragma once
// Text measured with fixed widths, so that every position of a layout is known.

#include <string>

#include "ui/heb_layout.h"

namespace lyrasta::ui::testing {

// Every byte is 10 pixels wide; a line of the main font is 20 pixels high.
class FixedMeasure : public TItemMeasure {
public:
    double Width(FontRole, const std::string& text, int) override { return 10.0 * text.size(); }
    double HeightOfM(FontRole, int) override { return 20; }
};

}  // namespace lyrasta::ui::testing
