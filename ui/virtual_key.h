#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <functional>

// Virtual-key codes that the key handlers test.
constexpr std::uint16_t VK_RETURN = 13;
constexpr std::uint16_t VK_ESCAPE = 27;
constexpr std::uint16_t VK_UP = 38;
constexpr std::uint16_t VK_DOWN = 40;
constexpr std::uint16_t VK_DELETE = 46;
constexpr std::uint16_t VK_F9 = 120;

// The virtual-key code of a key press; 0 for keys without one here.
std::uint16_t VirtualKey(const QKeyEvent& event);

// A key-down handler: the key code by reference (handlers leave it alone) and
// the modifier states.
using KeyDownHandler = std::function<void(std::uint16_t& key, Qt::KeyboardModifiers shift)>;
