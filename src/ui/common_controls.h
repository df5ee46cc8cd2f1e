// Registers every common-control class the programs use, the date classes included (Wine
// registers them anyway, Windows only when asked). Application::initialize calls it.
#pragma once

namespace ui {

void initCommonControls();

}  // namespace ui
