#pragma once

#include <cstdint>

namespace shiftpad {

// The 32-bit identifier of the window or of one of its controls.
enum class UnitId : std::uint32_t {};

// The units of the main window, named as the form names them.
namespace units {
inline constexpr UnitId 窗口{0x52010001};         // the main window
inline constexpr UnitId 编辑框1{0x16010002};      // the input box
inline constexpr UnitId 编辑框2{0x16010003};      // the output box
inline constexpr UnitId 按钮1{0x16010004};        // "解密"
inline constexpr UnitId 按钮2{0x16010005};        // "加密"
inline constexpr UnitId 超级链接框1{0x16010025};  // the hyperlink line
}  // namespace units

}  // namespace shiftpad
