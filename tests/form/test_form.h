// A window form for runtime tests: one control of every kind, every event
// bound to a handler that records the call.
#pragma once

#include "form/bindings.h"
#include "form/control.h"
#include "form/form_definition.h"
#include "form/runtime.h"

#include <string>
#include <vector>

namespace testing_support {

inline constexpr form::WindowId testWindow = 0x52010007;
inline constexpr form::UnitId testTimer = 0x100;
inline constexpr form::UnitId testLink = 0x101;
inline constexpr form::UnitId testButton = 0x102;
inline constexpr form::UnitId testPicBtn = 0x103;
inline constexpr form::UnitId testCanvas = 0x104;

struct Call {
    std::string handler;
    int x = 0;
    int y = 0;
    int keys = 0;
    // Who held the pointer capture while the handler ran.
    const form::Control* captureDuringHandler = nullptr;
};

std::vector<Call>& calls();
// The names of the recorded calls, in order.
std::vector<std::string> handlerNames();

const form::WindowForm& testForm();
form::Bindings testBindings();
// A constant pool for tests: a ByteSet that is no picture, for windows whose
// background cannot be decoded.
std::span<const std::uint8_t> testPool();
const std::uint8_t* undecodablePicture();

} // namespace testing_support
