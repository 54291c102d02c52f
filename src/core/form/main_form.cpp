#include "core/form/main_form.h"

#include <array>

#include "core/app/program.h"
#include "core/commands/commands.h"

namespace shiftpad {
namespace {

constexpr std::array kWindowBindings{EventBinding{EventKind::Created, handle_window_created}};
constexpr std::array kDecryptBindings{EventBinding{EventKind::Clicked, handle_decrypt_click}};
constexpr std::array kEncryptBindings{EventBinding{EventKind::Clicked, handle_encrypt_click}};

constexpr HyperlinkSettings kHyperlink{
    .text = u"软件来自Quorrin论坛",
    .link_kind = LinkKind::WebAddress,
    .email_address = "",
    .web_address = kForumAddress,
    .text_colour = {255, 0, 0},
    .visited_colour = {128, 0, 0},
    .hover_colour = {49, 106, 197},
};

// Both edit boxes and both buttons keep their kind's defaults.
constexpr EditBoxSettings kEditBox{};
constexpr ButtonSettings kButton{};

// In the form's order.
constexpr std::array kControls{
    ControlForm{.name = u"超级链接框1",
                .kind = UnitKind::HyperlinkBox,
                .id = units::超级链接框1,
                .place = {{16, 120}, {216, 16}},
                .text = u"软件来自Quorrin论坛",
                .tab_stop = false,
                .bindings = {},
                .hyperlink = &kHyperlink},
    ControlForm{.name = u"按钮2",
                .kind = UnitKind::Button,
                .id = units::按钮2,
                .place = {{157, 51}, {56, 26}},
                .text = u"加密",
                .tab_stop = true,
                .bindings = kEncryptBindings,
                .button = &kButton},
    ControlForm{.name = u"按钮1",
                .kind = UnitKind::Button,
                .id = units::按钮1,
                .place = {{48, 51}, {56, 26}},
                .text = u"解密",
                .tab_stop = true,
                .bindings = kDecryptBindings,
                .button = &kButton},
    ControlForm{.name = u"编辑框2",
                .kind = UnitKind::EditBox,
                .id = units::编辑框2,
                .place = {{24, 88}, {216, 24}},
                .text = u"",
                .tab_stop = true,
                .bindings = {},
                .edit_box = &kEditBox},
    ControlForm{.name = u"编辑框1",
                .kind = UnitKind::EditBox,
                .id = units::编辑框1,
                .place = {{24, 16}, {216, 24}},
                .text = u"",
                .tab_stop = true,
                .bindings = {},
                .edit_box = &kEditBox},
};

constexpr WindowForm kMainForm{
    .id = units::窗口,
    .title = u"加解密程序  By:Voskar",
    .outer_size = {274, 176},
    .settings = {.resizable = false,
                 .has_window_menu = true,
                 .has_close_button = true,
                 .has_minimise_button = false,
                 .has_maximise_button = false,
                 .centred_on_screen = true,
                 .stored_place = {50, 50},
                 .taskbar_button = true,
                 .always_on_top = false,
                 .keys = {.enter_moves_focus = false, .esc_closes = true}},
    .icon = {.resource_name = "DEFAULT_ICON", .size = {48, 48}, .bits_per_pixel = 32},
    .bindings = kWindowBindings,
    .controls = kControls,
};

}  // namespace

const WindowForm& main_form() { return kMainForm; }

}  // namespace shiftpad
