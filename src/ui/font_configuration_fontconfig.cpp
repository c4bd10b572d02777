// Qt on Linux and the BSDs reads fonts through fontconfig.
#include <fontconfig/fontconfig.h>

#include "ui/font_configuration.h"

namespace chanforge::ui {

FontConfigurationReader::FontConfigurationReader() : thread_([] { FcInit(); }) {}

}  // namespace chanforge::ui
