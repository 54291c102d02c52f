#pragma once

#include "core/form/form_types.h"

namespace shiftpad::testing {

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kDarkRed{128, 0, 0};
inline constexpr Rgb kBlue{49, 106, 197};

inline constexpr HyperlinkSettings kWebLink{
    .text = u"软件来自Quorrin论坛",
    .link_kind = LinkKind::WebAddress,
    .email_address = "",
    .web_address = "www.quorrin.example",
    .text_colour = kRed,
    .visited_colour = kDarkRed,
    .hover_colour = kBlue,
};

inline constexpr Size kBoxSize{216, 16};

}  // namespace shiftpad::testing
