#pragma once

#include <string_view>

#include "core/form/form_types.h"

namespace shiftpad {

// The forum's home page: the hyperlink's target and the version record's copyright.
inline constexpr std::string_view kForumAddress = "https://www.quorrin.example/";

// The one window of the program and its five controls, as constant data that every
// platform layer builds the window from.
const WindowForm& main_form();

// The version record the executable carries.
struct VersionRecord {
  std::string_view file_version;
  std::string_view product_version;
  std::string_view file_description;
  std::string_view product_name;
  std::string_view company_name;
  std::string_view comments;
  std::string_view legal_copyright;
};
inline constexpr VersionRecord kVersionRecord{"1.0.0.0",   "1.0.0.0",   "By:Voskar",  "By:Voskar",
                                              "By:Voskar", "By:Voskar", kForumAddress};

}  // namespace shiftpad
