#pragma once
// TColorCombo: a drop-down list of named colours, each row with a swatch of its colour
// framed in black and its name beside it.

#include <QComboBox>

#include <string_view>
#include <vector>

#include "player/colour_names.h"

namespace lyrasta::ui {

class TColorCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TColorCombo(const std::vector<std::string_view>& names, QWidget* parent = nullptr);
    // The chosen colour; 0 when nothing is chosen or the text is not a colour.
    SettingColour SelectedColor() const;
    // Chooses the item of the colour; none when no item has it.
    void SelectColor(SettingColour colour);
};

}  // namespace lyrasta::ui
