// Elsewhere Qt reads fonts without fontconfig: nothing to read ahead.
#include "ui/font_configuration.h"

namespace chanforge::ui {

FontConfigurationReader::FontConfigurationReader() = default;

}  // namespace chanforge::ui
