// What a program hands the runtime so that a form's names mean something:
// its event handlers and its resources (ByteSets in the constant pool).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace form {

using PlainHandler = void (*)();
// x and y are in the receiving control's client coordinates and negative left
// of or above it; keys is 1 for Ctrl + 2 for Shift + 4 for Alt.
using MouseHandler = void (*)(int x, int y, int keys);

struct HandlerEntry {
    std::string_view name;
    std::variant<PlainHandler, MouseHandler> handler;
};

struct ResourceEntry {
    std::string_view name;
    const std::uint8_t* byteSet; // a ByteSet block in the constant pool
};

struct Bindings {
    std::span<const HandlerEntry> handlers;
    std::span<const ResourceEntry> resources;
};

} // namespace form
