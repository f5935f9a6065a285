#include "window/drop_down_list.h"

#include <QComboBox>
#include <QProxyStyle>

namespace ravelbook {

namespace {

class DropDownListStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

void dropDownAsList(QComboBox* box) {
    // The box doesn't own a style set on it; its lifetime does here.
    auto* style = new DropDownListStyle;
    style->setParent(box);
    box->setStyle(style);
}

} // namespace ravelbook
