#include "colour_combo.h"

#include <QPainter>
#include <QPixmap>

namespace lyrasta::ui {

namespace {

QIcon SwatchIcon(SettingColour colour) {
    QPixmap swatch(14, 14);
    const Rgb c = ToRgb(colour);
    swatch.fill(QColor(c.r, c.g, c.b));
    QPainter p(&swatch);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 13, 13);
    return QIcon(swatch);
}

}  // namespace

TColorCombo::TColorCombo(const std::vector<std::string_view>& names, QWidget* parent)
    : QComboBox(parent) {
    for (std::string_view name : names) {
        const QString text = QString::fromUtf8(name.data(), static_cast<int>(name.size()));
        const auto colour = ColorOfName(name);
        if (colour) addItem(SwatchIcon(*colour), text);
        else addItem(text);
    }
    setCurrentIndex(-1);
}

SettingColour TColorCombo::SelectedColor() const {
    if (currentIndex() < 0) return 0;
    return ColorOfName(currentText().toStdString()).value_or(0);
}

void TColorCombo::SelectColor(SettingColour colour) {
    for (int i = 0; i < count(); ++i)
        if (const auto c = ColorOfName(itemText(i).toStdString()); c && SameColour(*c, colour))
            return setCurrentIndex(i);
    setCurrentIndex(-1);
}

}  // namespace lyrasta::ui
