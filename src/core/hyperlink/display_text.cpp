#include "core/codec/cp936_codec.h"
#include "core/hyperlink/hyperlink_state.h"

namespace shiftpad {

std::u16string hyperlink_display_text(const HyperlinkSettings& settings) {
  if (!settings.text.empty()) {
    return std::u16string(settings.text);
  }
  const std::string_view address =
      settings.link_kind == LinkKind::WebAddress ? settings.web_address : settings.email_address;
  return decode_cp936(address);
}

}  // namespace shiftpad
