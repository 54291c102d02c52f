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

// In the form's order.
constexpr std::array kControls{
    ControlForm{u"超级链接框1",
                UnitKind::HyperlinkBox,
                units::超级链接框1,
                {{16, 120}, {216, 16}},
                u"软件来自Quorrin论坛",
                false,
                {}},
    ControlForm{u"按钮2",
                UnitKind::Button,
                units::按钮2,
                {{157, 51}, {56, 26}},
                u"加密",
                true,
                kEncryptBindings},
    ControlForm{u"按钮1",
                UnitKind::Button,
                units::按钮1,
                {{48, 51}, {56, 26}},
                u"解密",
                true,
                kDecryptBindings},
    ControlForm{
        u"编辑框2", UnitKind::EditBox, units::编辑框2, {{24, 88}, {216, 24}}, u"", true, {}},
    ControlForm{
        u"编辑框1", UnitKind::EditBox, units::编辑框1, {{24, 16}, {216, 24}}, u"", true, {}},
};

constexpr WindowForm kMainForm{
    .id = units::窗口,
    .title = u"加解密程序  By:Voskar",
    .outer_size = {274, 176},
    .bindings = kWindowBindings,
    .controls = kControls,
    .hyperlink = &kHyperlink,
};

}  // namespace

const WindowForm& main_form() { return kMainForm; }

}  // namespace shiftpad
