// The program's one window, as its form describes it.
#pragma once

#include "form/form_definition.h"

namespace form::start {

inline constexpr WindowId windowId = 0x52010001;
inline constexpr UnitId windowUnit = 0x06010000;
inline constexpr UnitId hintTimer = 0x1601008a;   // 时钟1
inline constexpr UnitId creditLink = 0x16010087;  // 超级链接框1
inline constexpr UnitId replayButton = 0x1601007d; // 按钮1
inline constexpr UnitId pictureButton = 0x16010054; // 图形按钮
inline constexpr UnitId canvas = 0x16010002;       // 画板

// The resource the window paints as its background.
inline constexpr std::string_view backgroundResource = "hiddenPicture";

const WindowForm& startWindowForm();

} // namespace form::start
